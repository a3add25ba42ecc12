// Brevant Dira — the chart on a printed page: its place from the margins,
// proportions and detail, dragging it about, and what reaches the paper.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <qcustomplot.h>

#include "chart/compose_chart.h"
#include "chart/render/chart_page.h"
#include "chart/render/chart_renderer.h"
#include "chart_test_support.h"
#include "support/temp_dir.h"

namespace brevant {
namespace {

const QRectF kPage(0, 0, 1000, 800);

void ExpectRect(const QRectF& actual, const QRectF& expected, double tolerance = 0.01) {
    EXPECT_NEAR(actual.left(), expected.left(), tolerance);
    EXPECT_NEAR(actual.top(), expected.top(), tolerance);
    EXPECT_NEAR(actual.width(), expected.width(), tolerance);
    EXPECT_NEAR(actual.height(), expected.height(), tolerance);
}

struct PlacementCase {
    const char* name;
    PageOptions options;
    QRectF target;
    QSize layout;
};

class ChartPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

// A 1600 × 900 chart on a 1000 × 800 page.
TEST_P(ChartPlacementTest, FollowsMarginsProportionsAndDetail) {
    const PlacementCase& c = GetParam();
    const ChartPlacement place = PlaceChartOnPage(kPage, QSize(1600, 900), c.options);
    ExpectRect(place.target, c.target);
    EXPECT_EQ(place.layout, c.layout);
}

PageOptions Options(double left, double top, double right, double bottom, bool proportional,
                    int detail = 100) {
    PageOptions o;
    o.left = left, o.top = top, o.right = right, o.bottom = bottom;
    o.proportional = proportional;
    o.detail = detail;
    return o;
}

INSTANTIATE_TEST_SUITE_P(
    Placements, ChartPlacementTest,
    ::testing::Values(
        // The print margins' box is 700 × 544; the chart fills its width, centred.
        PlacementCase{"Defaults", PageOptions{}, QRectF(150, 203.125, 700, 393.75), {1600, 900}},
        PlacementCase{"FillsTheBox",
                      Options(15, 16, 15, 16, false),
                      QRectF(150, 128, 700, 544),
                      {1600, 1243}},
        PlacementCase{"MoreDetail",
                      Options(15, 16, 15, 16, true, 200),
                      QRectF(150, 203.125, 700, 393.75),
                      {3200, 1800}},
        PlacementCase{"LessDetailFilling",
                      Options(15, 16, 15, 16, false, 50),
                      QRectF(150, 128, 700, 544),
                      {800, 622}},
        PlacementCase{"DetailKeptInItsRange",
                      Options(15, 16, 15, 16, true, 1000),
                      QRectF(150, 203.125, 700, 393.75),
                      {3200, 1800}},
        PlacementCase{"WholePage", Options(0, 0, 0, 0, false), kPage, {1600, 1280}},
        // A tall box: the chart fills its height, centred across.
        PlacementCase{"TallBox",
                      Options(40, 10, 40, 10, true),
                      QRectF(400, 343.75, 200, 112.5),
                      {1600, 900}}),
    [](const auto& info) { return std::string(info.param.name); });

struct GripCase {
    const char* name;
    QPointF point;
    PageGrip grip;
};

class PageGripTest : public ::testing::TestWithParam<GripCase> {};

TEST_P(PageGripTest, EdgesResizeInsideMoves) {
    const QRectF target(100, 100, 400, 200);
    EXPECT_EQ(GripAt(target, GetParam().point, 6), GetParam().grip);
}

INSTANTIATE_TEST_SUITE_P(Grips, PageGripTest,
                         ::testing::Values(GripCase{"Inside", {300, 200}, PageGrip::Move},
                                           GripCase{"Outside", {50, 200}, PageGrip::None},
                                           GripCase{"LeftEdge", {96, 200}, PageGrip::Left},
                                           GripCase{"RightEdge", {505, 200}, PageGrip::Right},
                                           GripCase{"TopEdge", {300, 103}, PageGrip::Top},
                                           GripCase{"BottomEdge", {300, 300}, PageGrip::Bottom},
                                           GripCase{"TopLeft", {102, 98}, PageGrip::TopLeft},
                                           GripCase{"TopRight", {499, 104}, PageGrip::TopRight},
                                           GripCase{"BottomLeft", {100, 300}, PageGrip::BottomLeft},
                                           GripCase{
                                               "BottomRight", {505, 305}, PageGrip::BottomRight}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageGrip, ANarrowChartGivesTheNearerEdge) {
    const QRectF narrow(100, 100, 8, 200);
    EXPECT_EQ(GripAt(narrow, {101, 200}, 6), PageGrip::Left);
    EXPECT_EQ(GripAt(narrow, {107, 200}, 6), PageGrip::Right);
}

struct DragCase {
    const char* name;
    PageGrip grip;
    QPointF delta;
    bool proportional;
    QRectF result;
};

class DragTest : public ::testing::TestWithParam<DragCase> {};

// The chart at (100, 100) 400 × 200 on the 1000 × 800 page; the smallest
// chart is 50 × 40 (5 % of the page).
TEST_P(DragTest, MovesAndResizesWithinThePage) {
    const DragCase& c = GetParam();
    ExpectRect(DraggedTarget(kPage, QRectF(100, 100, 400, 200), c.grip, c.delta, c.proportional),
               c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, DragTest,
    ::testing::Values(
        DragCase{"Move", PageGrip::Move, {50, -20}, false, QRectF(150, 80, 400, 200)},
        DragCase{
            "MoveStopsAtThePageEdge", PageGrip::Move, {-300, 900}, true, QRectF(0, 600, 400, 200)},
        DragCase{"WidenToTheRight", PageGrip::Right, {100, 0}, false, QRectF(100, 100, 500, 200)},
        DragCase{
            "LeftEdgeNotPastTheRight", PageGrip::Left, {600, 0}, false, QRectF(450, 100, 50, 200)},
        DragCase{"TopCorner", PageGrip::TopLeft, {-50, -150}, false, QRectF(50, 0, 450, 300)},
        DragCase{
            "ProportionalRightEdge", PageGrip::Right, {100, 0}, true, QRectF(100, 100, 500, 250)},
        DragCase{"ProportionalBottomEdge",
                 PageGrip::Bottom,
                 {0, -100},
                 true,
                 QRectF(100, 100, 200, 100)},
        DragCase{"ProportionalTopLeftCorner",
                 PageGrip::TopLeft,
                 {-100, -10},
                 true,
                 QRectF(0, 50, 500, 250)},
        DragCase{"ProportionalUpToThePage",
                 PageGrip::BottomRight,
                 {900, 0},
                 true,
                 QRectF(100, 100, 900, 450)},
        DragCase{"ProportionalNotBelowTheSmallest",
                 PageGrip::Right,
                 {-390, 0},
                 true,
                 QRectF(100, 100, 80, 40)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageBox, WithBoxGivesTheMarginsOfARectangle) {
    const PageOptions o = WithBox(PageOptions{}, kPage, QRectF(100, 80, 600, 400));
    EXPECT_DOUBLE_EQ(o.left, 10);
    EXPECT_DOUBLE_EQ(o.right, 30);
    EXPECT_DOUBLE_EQ(o.top, 10);
    EXPECT_DOUBLE_EQ(o.bottom, 40);
    EXPECT_TRUE(o.proportional);
    ExpectRect(PlaceChartOnPage(kPage, QSize(1600, 900), Options(10, 10, 30, 40, false)).target,
               QRectF(100, 80, 600, 400));
}

// The page as it reaches paper, drawn into an image or a PDF file.
class PrintedPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "chart_render_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) app_ = new QApplication(argc, argv);
    }

    PrintedPageTest() {
        plot_.resize(1600, 900);
        bars_ = test::WaveBars(300);
        const StockSelection selection{true, std::string("Acme , ACM"), std::nullopt};
        model_ = ComposeChart({bars_, ChartView{}, params_, overlays_, selection, locale_});
        renderer_.Render(model_, bars_, true, locale_);
    }

    QImage Page(const PageOptions& options) {
        QImage page(1000, 800, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintChartOnPage(plot_, painter, page.rect(), options);
        return page;
    }

    // The smallest rectangle holding every pixel that is not white.
    static QRect Inked(const QImage& page) {
        QRect box;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
        return box;
    }

    // Columns from `left` along row `y` to the first ink: halfway down the
    // chart that is the panels' frame, beyond the chart's side margin.
    static int ColumnsToFrame(const QImage& page, int left, int y) {
        for (int x = left; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) return x - left;
        return -1;
    }

    QByteArray Pdf(const PageOptions& options) {
        const std::string path = dir_.file("page.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        {
            QPainter painter(&printer);
            const QRect page(QPoint(0, 0),
                             printer.pageLayout().paintRectPixels(printer.resolution()).size());
            PaintChartOnPage(plot_, painter, page, options);
        }
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline QApplication* app_ = nullptr;
    brevant::testing::TempDir dir_;
    QCustomPlot plot_;
    ChartRenderer renderer_{plot_, RenderOptions{true}};
    TBars bars_;
    ChartModel model_;
    TIndicatorParams params_;
    OverlaySettings overlays_;
    LocaleSettings locale_ = WithProgramDates(LocaleSettings{});
};

TEST_F(PrintedPageTest, ChartStaysInItsPlace) {
    for (const PageOptions& o :
         {PageOptions{}, Options(15, 16, 15, 16, false), Options(5, 40, 45, 5, true),
          Options(30, 10, 10, 50, false, 200)}) {
        const QRectF target = PlaceChartOnPage(kPage, QSize(1600, 900), o).target;
        const QRect inked = Inked(Page(o));
        SCOPED_TRACE(::testing::Message() << o.left << "," << o.top << "," << o.right << ","
                                          << o.bottom << (o.proportional ? " proportional" : ""));
        ASSERT_FALSE(inked.isEmpty());
        // The stock's name starts at the chart's left, the frame nearly
        // reaches its bottom; nothing strays beyond.
        EXPECT_TRUE(target.adjusted(-1, -1, 1, 1).contains(QRectF(inked)));
        EXPECT_NEAR(inked.left(), target.left(), target.width() * 0.03);
        EXPECT_NEAR(inked.right(), target.right(), target.width() * 0.03);
        EXPECT_NEAR(inked.top(), target.top(), target.height() * 0.04);
    }
}

TEST_F(PrintedPageTest, MovingTheMarginsMovesTheInk) {
    const QRect before = Inked(Page(Options(15, 16, 15, 16, false)));
    const QRect after = Inked(Page(Options(25, 6, 5, 26, false)));
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.topLeft() - before.topLeft(), QPoint(100, -80));
}

// The same chart laid out larger: its margins, type and pens come out smaller.
TEST_F(PrintedPageTest, MoreDetailDrawsTheMarginsSmaller) {
    const QRectF target = PlaceChartOnPage(kPage, {1600, 900}, {}).target;
    const int left = int(target.left()), y = int(target.center().y());
    const int normal = ColumnsToFrame(Page(PageOptions{}), left, y);
    const int more = ColumnsToFrame(Page(Options(15, 16, 15, 16, true, 200)), left, y);
    const int less = ColumnsToFrame(Page(Options(15, 16, 15, 16, true, 50)), left, y);
    ASSERT_GT(normal, 10);
    EXPECT_NEAR(more, normal / 2.0, 2);
    EXPECT_NEAR(less, normal * 2.0, 3);
}

TEST_F(PrintedPageTest, PanelFramesTheChart) {
    PageOptions o;
    const QRectF target = PlaceChartOnPage(kPage, {1600, 900}, o).target;
    // The chart's top edge, halfway across, where only the panel's frame runs.
    auto framed = [&](const QImage& page) {
        for (int y = int(target.top()) - 1; y <= int(target.top()) + 1; ++y)
            if (page.pixelColor(int(target.center().x()), y) == QColor(0x00, 0x38, 0x71))
                return true;
        return false;
    };
    EXPECT_FALSE(framed(Page(o)));
    o.printPanel = true;
    EXPECT_TRUE(framed(Page(o)));
}

TEST_F(PrintedPageTest, BitmapLooksLikeTheLines) {
    PageOptions o;
    const QImage lines = Page(o);
    o.asBitmap = true;
    const QRect a = Inked(Page(o)), b = Inked(lines);
    EXPECT_NEAR(a.left(), b.left(), 2);
    EXPECT_NEAR(a.top(), b.top(), 2);
    EXPECT_NEAR(a.right(), b.right(), 2);
    EXPECT_NEAR(a.bottom(), b.bottom(), 2);
}

// On paper the difference shows: text and lines, or one picture.
TEST_F(PrintedPageTest, BitmapReachesThePrinterAsOneImage) {
    PageOptions o;
    const QByteArray lines = Pdf(o);
    o.asBitmap = true;
    const QByteArray bitmap = Pdf(o);
    ASSERT_FALSE(lines.isEmpty());
    ASSERT_FALSE(bitmap.isEmpty());
    EXPECT_TRUE(lines.contains("/BaseFont"));
    EXPECT_FALSE(lines.contains("/Subtype /Image"));
    EXPECT_TRUE(bitmap.contains("/Subtype /Image"));
    EXPECT_FALSE(bitmap.contains("/BaseFont"));
}

} // namespace
} // namespace brevant
