// Brevant Dira — the chart's print preview on the offscreen platform: its
// controls, the page they give (drawn into an image), dragging the chart
// with the mouse and the keys, and printing into a PDF file.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <qcustomplot.h>

#include "app_fixture.h"
#include "chart/chart_test_support.h"
#include "chart/compose_chart.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_previewer.h"

using brevant::PageOptions;
using brevant::TChartPreviewer;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

QRect Inked(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != kWhite) box |= QRect(x, y, 1, 1);
    return box;
}

// Columns from `left` along row `y` to the first ink: halfway down the chart
// that is the panels' frame, beyond the chart's side margin.
int ColumnsToFrame(const QImage& page, int left, int y) {
    for (int x = left; x < page.width(); ++x)
        if (page.pixel(x, y) != kWhite) return x - left;
    return -1;
}

bool Near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

// Grey levels at a quarter of the size: a glyph drawn a pixel aside, or
// smoothed another way, hardly changes them; a chart drawn elsewhere or at
// another size changes many.
QImage Coarse(const QImage& page) {
    return page.convertToFormat(QImage::Format_Grayscale8)
        .scaled(page.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The share of pixels of two images of one size whose grey differs by more than a quarter.
double DifferentShare(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* lineA = a.constScanLine(y);
        const uchar* lineB = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x) different += std::abs(lineA[x] - lineB[x]) > 64;
    }
    return double(different) / (a.width() * a.height());
}

} // namespace

class ChartPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void TitleAndControls();
    void ControlsPlaceTheChartOnThePage();
    void MarginsLeaveRoomForTheChart();
    void OrientationTurnsThePaper();
    void SetupOpensThePageSetup();
    void DraggingInsideMovesTheChart();
    void DraggingAnEdgeResizesTheChart();
    void ArrowKeysMoveAndResize();
    void PrintWritesThePageIntoAPdfFile();
    void PdfPageLooksLikeThePreview();
    void CancelledPdfFilePrintsNothing();

private:
    // A fresh preview of a 300-bar chart, 1200 × 700 on screen.
    TChartPreviewer& Dialog() { return *dialog_; }
    QImage Page() {
        QImage page(Dialog().PageRect().size().toSize(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        Dialog().PaintPage(painter, Dialog().PageRect());
        return page;
    }
    QGraphicsView* View() { return Dialog().Preview->findChild<QGraphicsView*>(); }
    void ShowPage();
    QPoint OnScreen(QPointF pagePoint);
    double Scale() { return View()->transform().m11(); }
    void Drag(QPoint from, QPoint to);

    brevant::testing::ScriptedUi ui_;
    brevant::testing::TempDir dir_;
    brevant::TBars bars_ = brevant::test::WaveBars(300);
    brevant::ChartModel model_;
    brevant::LocaleSettings locale_ = brevant::WithProgramDates(brevant::LocaleSettings{});
    std::unique_ptr<TChartPreviewer> dialog_;
};

void ChartPreviewTest::init() {
    const brevant::StockSelection selection{true, std::string("Acme Anvil Works , ZANV"),
                                            std::nullopt};
    model_ = brevant::ComposeChart({bars_, brevant::ChartView{}, brevant::TIndicatorParams{},
                                    brevant::OverlaySettings{}, selection, locale_});
    dialog_ = std::make_unique<TChartPreviewer>(
        [this](QCustomPlot& sheet) {
            auto* renderer = new brevant::ChartRenderer(sheet, brevant::RenderOptions{true});
            renderer->Render(model_, bars_, true, locale_);
        },
        QSize(1200, 700));
}

void ChartPreviewTest::cleanup() {
    dialog_.reset();
}

void ChartPreviewTest::ShowPage() {
    Dialog().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Dialog()));
    QTRY_VERIFY(View()->scene() && !View()->scene()->items().isEmpty());
    QTRY_VERIFY(Scale() > 0);
}

// Where a point of the page (PaintPage's coordinates) shows in the view.
QPoint ChartPreviewTest::OnScreen(QPointF pagePoint) {
    const QGraphicsItem* page = View()->scene()->items().front();
    const QPrinter& printer = Dialog().Printer();
    const QPointF paper =
        pagePoint + printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
    return View()->mapFromScene(page->mapToScene(paper));
}

void ChartPreviewTest::Drag(QPoint from, QPoint to) {
    QWidget* viewport = View()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewport, (from + to) / 2);
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

void ChartPreviewTest::TitleAndControls() {
    QCOMPARE(Dialog().windowTitle(), QString("Print Preview"));
    QVERIFY(Dialog().findChild<QPrintPreviewWidget*>() == Dialog().Preview);
    QStringList captions;
    for (const QAbstractButton* b : Dialog().findChildren<QAbstractButton*>())
        captions << b->text();
    for (const QLabel* l : Dialog().findChildren<QLabel*>()) captions << l->text();
    for (const char* caption : {"Setup...", "Portrait", "Landscape", "Reset", "Proportional",
                                "Print Panel", "Print as Bitmap", "Print", "Close",
                                "Left:", "Top:", "Right:", "Bottom:", "Detail", "Less", "More"})
        QVERIFY2(captions.contains(caption), caption);
    QVERIFY(Dialog().PrinterBox->findText("PDF File") >= 0);
    // As the chart's print margins, landscape, proportional, normal detail.
    QVERIFY(Dialog().LandscapeButton->isChecked());
    QCOMPARE(Dialog().Printer().pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(Dialog().LeftMargin->value(), 15.0);
    QCOMPARE(Dialog().TopMargin->value(), 16.0);
    QCOMPARE(Dialog().RightMargin->value(), 15.0);
    QCOMPARE(Dialog().BottomMargin->value(), 16.0);
    QVERIFY(Dialog().ProportionalBox->isChecked());
    QCOMPARE(Dialog().DetailSlider->value(), 100);
    QVERIFY(!Dialog().PrintPanelBox->isChecked());
    QVERIFY(!Dialog().AsBitmapBox->isChecked());
    QVERIFY(Dialog().Options() == PageOptions{});
}

// Each control as a user sets it, and what the page drawn into an image shows.
void ChartPreviewTest::ControlsPlaceTheChartOnThePage() {
    struct Case {
        const char* name;
        std::function<void(TChartPreviewer&)> set;
        std::function<bool(const QImage& before, const QImage& after, QRectF chart)> shows;
    };
    const QRectF page = Dialog().PageRect();
    const Case cases[] = {
        {"margins move the chart",
         [](TChartPreviewer& d) {
             d.LeftMargin->setValue(25);
             d.RightMargin->setValue(5);
         },
         [&](const QImage& before, const QImage& after, QRectF) {
             const QRect a = Inked(before), b = Inked(after);
             return Near(b.width(), a.width(), 1) && Near(b.height(), a.height(), 1) &&
                    Near(b.left() - a.left(), page.width() * 0.10, 1) && Near(b.top(), a.top(), 1);
         }},
        {"a narrower box makes the chart smaller",
         [](TChartPreviewer& d) { d.RightMargin->setValue(45); },
         [](const QImage& before, const QImage& after, QRectF) {
             const QRect a = Inked(before), b = Inked(after);
             return b.width() < a.width() * 0.7 && b.height() < a.height() * 0.7;
         }},
        {"without proportions the chart fills the box",
         [](TChartPreviewer& d) { QTest::mouseClick(d.ProportionalBox, Qt::LeftButton); },
         [&](const QImage& before, const QImage& after, QRectF chart) {
             const QRectF box(page.width() * 0.15, page.height() * 0.16, page.width() * 0.70,
                              page.height() * 0.68);
             return chart == box && Inked(before).height() < box.height() * 0.9 &&
                    Inked(after).height() > box.height() * 0.95 &&
                    Near(Inked(after).bottom(), box.bottom(), page.height() * 0.03);
         }},
        {"more detail lays the chart out larger: smaller margins and type",
         [](TChartPreviewer& d) { d.DetailSlider->setValue(200); },
         [](const QImage& before, const QImage& after, QRectF chart) {
             const int left = int(chart.left()), y = int(chart.center().y());
             return Near(ColumnsToFrame(after, left, y), ColumnsToFrame(before, left, y) / 2.0, 2);
         }},
        {"less detail: larger margins and type",
         [](TChartPreviewer& d) { d.DetailSlider->setValue(50); },
         [](const QImage& before, const QImage& after, QRectF chart) {
             const int left = int(chart.left()), y = int(chart.center().y());
             return Near(ColumnsToFrame(after, left, y), ColumnsToFrame(before, left, y) * 2.0, 3);
         }},
        {"the panel frames the chart",
         [](TChartPreviewer& d) { QTest::mouseClick(d.PrintPanelBox, Qt::LeftButton); },
         [](const QImage& before, const QImage& after, QRectF chart) {
             const QPoint edge(int(chart.center().x()), int(chart.top()));
             auto framed = [&](const QImage& image) {
                 for (int dy = -1; dy <= 1; ++dy)
                     if (image.pixelColor(edge + QPoint(0, dy)) == QColor(0x00, 0x38, 0x71))
                         return true;
                 return false;
             };
             return !framed(before) && framed(after);
         }},
    };
    for (const Case& c : cases) {
        init();
        const QImage before = Page();
        c.set(Dialog());
        QVERIFY2(c.shows(before, Page(), Dialog().ChartRect()), c.name);
    }
}

void ChartPreviewTest::MarginsLeaveRoomForTheChart() {
    Dialog().LeftMargin->setValue(90);
    QCOMPARE(Dialog().LeftMargin->value(), 80.0);
    QCOMPARE(Dialog().Options().left, 80.0);
    QVERIFY(Dialog().ChartRect().width() >= Dialog().PageRect().width() * 0.05 - 0.01);
    QTest::mouseClick(Dialog().ResetMarginsButton, Qt::LeftButton);
    QCOMPARE(Dialog().LeftMargin->value(), 15.0);
    QVERIFY(Dialog().Options() == PageOptions{});
}

void ChartPreviewTest::OrientationTurnsThePaper() {
    QTest::mouseClick(Dialog().PortraitButton, Qt::LeftButton);
    QCOMPARE(Dialog().Printer().pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(Dialog().PageRect().height() > Dialog().PageRect().width());
    QVERIFY(!Inked(Page()).isEmpty());
    QTest::mouseClick(Dialog().LandscapeButton, Qt::LeftButton);
    QCOMPARE(Dialog().Printer().pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(Dialog().PageRect().width() > Dialog().PageRect().height());
}

void ChartPreviewTest::SetupOpensThePageSetup() {
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* setup = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
        opened = setup != nullptr;
        if (setup) setup->reject();
    });
    QTest::mouseClick(Dialog().SetupButton, Qt::LeftButton);
    QVERIFY(opened);
    QCOMPARE(Dialog().Printer().pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(Dialog().LandscapeButton->isChecked());
}

void ChartPreviewTest::DraggingInsideMovesTheChart() {
    ShowPage();
    const QRectF chart = Dialog().ChartRect();
    const QImage before = Page();
    const QPoint from = OnScreen(chart.center());
    Drag(from, from + QPoint(30, 20));
    const QPointF moved = Dialog().ChartRect().topLeft() - chart.topLeft();
    QVERIFY2(Near(moved.x(), 30 / Scale(), 1.5) && Near(moved.y(), 20 / Scale(), 1.5),
             qPrintable(QString("moved %1,%2").arg(moved.x()).arg(moved.y())));
    QCOMPARE(Dialog().ChartRect().size(), chart.size());
    // The margins follow, and so does the page.
    QVERIFY(Dialog().LeftMargin->value() > 15 && Dialog().RightMargin->value() < 15);
    const QPoint inkMoved = Inked(Page()).topLeft() - Inked(before).topLeft();
    QVERIFY(Near(inkMoved.x(), moved.x(), 1.5) && Near(inkMoved.y(), moved.y(), 1.5));
}

void ChartPreviewTest::DraggingAnEdgeResizesTheChart() {
    for (bool proportional : {true, false}) {
        init();
        Dialog().ProportionalBox->setChecked(proportional);
        ShowPage();
        const QRectF chart = Dialog().ChartRect();
        const QPoint from = OnScreen(QPointF(chart.right() - 1, chart.center().y()));
        Drag(from, from + QPoint(-40, 0));
        const QRectF resized = Dialog().ChartRect();
        QVERIFY(Near(resized.width(), chart.width() - 40 / Scale(), 2));
        QCOMPARE(resized.left(), chart.left());
        if (proportional)
            QVERIFY(Near(resized.width() / resized.height(), chart.width() / chart.height(), 0.01));
        else
            QVERIFY(Near(resized.height(), chart.height(), 0.5));
        QVERIFY(Inked(Page()).width() < chart.width() - 30 / Scale());
    }
}

void ChartPreviewTest::ArrowKeysMoveAndResize() {
    ShowPage();
    Dialog().ProportionalBox->setChecked(false);
    View()->setFocus();
    const QRectF page = Dialog().PageRect();
    const QRectF chart = Dialog().ChartRect();
    QTest::keyClick(View(), Qt::Key_Right);
    QTest::keyClick(View(), Qt::Key_Up);
    QVERIFY(Near(Dialog().ChartRect().left(), chart.left() + page.width() / 100, 0.01));
    QVERIFY(Near(Dialog().ChartRect().top(), chart.top() - page.height() / 100, 0.01));
    QTest::keyClick(View(), Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(Near(Dialog().ChartRect().height(), chart.height() + page.height() / 100, 0.01));
    QCOMPARE(Dialog().ChartRect().width(), chart.width());
}

void ChartPreviewTest::PrintWritesThePageIntoAPdfFile() {
    for (bool bitmap : {false, true}) {
        init();
        const QString file = QString::fromStdString(dir_.file(bitmap ? "bitmap.pdf" : "lines.pdf"));
        ui_.FileToSave = file;
        Dialog().AsBitmapBox->setChecked(bitmap);
        Dialog().PrinterBox->setCurrentIndex(Dialog().PrinterBox->findText("PDF File"));
        QTest::mouseClick(Dialog().PrintButton, Qt::LeftButton);
        QCOMPARE(Dialog().result(), int(QDialog::Accepted));
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.contains("/Subtype /Image"), bitmap);
        QCOMPARE(bytes.contains("/BaseFont"), !bitmap);
    }
}

// The page as the preview shows it, and as the PDF file holds it (rendered
// by poppler's pdftoppm at the preview's size): the same chart in the same
// place, drawn as lines and text.
void ChartPreviewTest::PdfPageLooksLikeThePreview() {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
    Dialog().PrinterBox->setCurrentIndex(Dialog().PrinterBox->findText("PDF File"));
    QVERIFY(!Dialog().AsBitmapBox->isChecked());
    ShowPage();
    const QPrinter& printer = Dialog().Printer();
    const QRectF paper(QPointF(0, 0),
                       printer.pageLayout().fullRectPixels(printer.resolution()).size());
    QImage preview(paper.size().toSize(), QImage::Format_RGB32);
    preview.fill(Qt::white);
    {
        QPainter painter(&preview);
        const QGraphicsItem* page = View()->scene()->items().front();
        View()->scene()->render(&painter, QRectF(preview.rect()), page->mapRectToScene(paper));
    }

    const QString file = QString::fromStdString(dir_.file("page.pdf"));
    ui_.FileToSave = file;
    QTest::mouseClick(Dialog().PrintButton, Qt::LeftButton);
    QCOMPARE(Dialog().result(), int(QDialog::Accepted));
    QProcess render;
    render.start(pdftoppm, {"-png", "-singlefile", "-scale-to-x", QString::number(preview.width()),
                            "-scale-to-y", QString::number(preview.height()), file,
                            QString::fromStdString(dir_.file("page"))});
    QVERIFY(render.waitForFinished(60000));
    QCOMPARE(render.exitCode(), 0);
    const QImage printed(QString::fromStdString(dir_.file("page.png")));
    QCOMPARE(printed.size(), preview.size());

    const QRect previewInk = Inked(preview.convertToFormat(QImage::Format_RGB32));
    const QRect printedInk = Inked(printed.convertToFormat(QImage::Format_RGB32));
    const int slack = preview.width() / 100;
    QVERIFY2(Near(previewInk.left(), printedInk.left(), slack) &&
                 Near(previewInk.top(), printedInk.top(), slack) &&
                 Near(previewInk.right(), printedInk.right(), slack) &&
                 Near(previewInk.bottom(), printedInk.bottom(), slack),
             qPrintable(QString("ink of the preview %1,%2 %3x%4, of the PDF %5,%6 %7x%8")
                            .arg(previewInk.x())
                            .arg(previewInk.y())
                            .arg(previewInk.width())
                            .arg(previewInk.height())
                            .arg(printedInk.x())
                            .arg(printedInk.y())
                            .arg(printedInk.width())
                            .arg(printedInk.height())));
    const double different = DifferentShare(Coarse(preview), Coarse(printed));
    QVERIFY2(different < 0.02,
             qPrintable(QString("%1 % of the page differs").arg(different * 100)));
}

void ChartPreviewTest::CancelledPdfFilePrintsNothing() {
    ui_.FileToSave.clear();
    Dialog().PrinterBox->setCurrentIndex(Dialog().PrinterBox->findText("PDF File"));
    Dialog().show();
    QTest::mouseClick(Dialog().PrintButton, Qt::LeftButton);
    QVERIFY(Dialog().isVisible());
    QVERIFY(ui_.Messages.isEmpty());
}

BREVANT_QTEST_MAIN(ChartPreviewTest)
#include "chart_preview_test.moc"
