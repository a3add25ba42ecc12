// Brevant Dira — drawings on the main window's chart with real clicks and
// keys: drawn from the Draw menu, kept in dates and prices through zoom, log
// scale and weekly and monthly bars, selected and deleted; the mouse as ever
// without a drawing mode; and the indicator periods dialog.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <cmath>
#include <qcustomplot.h>

#include "app/chart_drawings.h"
#include "app/stock_list_box.h"
#include "app_fixture.h"
#include "chart/render/chart_renderer.h"
#include "chart/render/drawings_layer.h"
#include "chart/ui/chart_previewer.h"
#include "chart/ui/indicator_periods_window.h"
#include "store/drawings_table.h"
#include "store/indicator_settings.h"
#include "ta/day_date.h"

using namespace brevant;
using brevant::testing::AppRun;
using brevant::testing::PriceText;

namespace {

const QString kAcme = "Acme Corp , ACM";
const QString kBolt = "Bolt Motors , BLT";

// 400 trading days from 2023-01-02 of a price that swings and climbs.
std::string SwingingQuotes(const std::string& symbol, const std::string& name) {
    std::string text;
    int i = 0;
    for (double d = EncodeDate(2023, 1, 2); i < 400; ++d) {
        if (DayOfTheWeek(d) > 5) continue;
        const double close = 20 + 4 * std::sin(i / 9.0) + i / 40.0;
        const CivilDate c = DecodeDate(d);
        char date[16];
        std::snprintf(date, sizeof date, "%02d%02d%04d", c.day, c.month, c.year);
        text += symbol + "," + name + "," + date + "," + PriceText(close) + "," +
                PriceText(close + 0.5) + "," + PriceText(close - 0.5) + "," + PriceText(close) +
                ",1000\n";
        ++i;
    }
    return text;
}

QAction* MenuItem(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions()) {
        if (a->text() == text) return a;
        if (a->menu())
            if (QAction* inner = MenuItem(a->menu(), text)) return inner;
    }
    return nullptr;
}

} // namespace

class ChartDrawingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void ClicksDrawATrendLineAndALevel();
    void DrawingsStayOnTheirDatesAndPrices_data();
    void DrawingsStayOnTheirDatesAndPrices();
    void WithoutAModeTheMouseNavigatesAndAClickSelects();
    void SelectedDeletedWithDeleteAndAllRemoved();
    void AnotherClientsDrawingIsShownWithTheStock();
    void PrintedPageCarriesTheDrawings();
    void PeriodsDialog_data();
    void PeriodsDialog();

private:
    TForm1& Main() { return run_->Main(); }
    QCustomPlot& Plot() { return *Main().ChartPane->Chart1; }
    TChartDrawings& Drawings() { return *Main().Analysis.Drawings; }
    void Choose(const QString& item) {
        QAction* action = MenuItem(Main().Menu.MainMenu1->findChild<QMenu*>(), item);
        for (QMenu* menu : Main().Menu.MainMenu1->findChildren<QMenu*>())
            if (!action) action = MenuItem(menu, item);
        QVERIFY2(action, qPrintable(item));
        action->trigger();
    }
    void Click(QPointF at) { QTest::mouseClick(&Plot(), Qt::LeftButton, {}, at.toPoint()); }
    // The pixel of a day and price as the chart shows them now: the bar
    // whose period holds the day, found here by its dates.
    QPointF PixelOf(double day, double price) {
        Plot().replot();
        const TBars& bars = Main().ChartPane->Series();
        int bar = 0;
        while (bar + 1 < int(bars.size()) && bars[bar + 1].Date <= day) ++bar;
        const ChartRenderer& r = *Main().ChartPane->Renderer1;
        return {r.bottomAxis()->coordToPixel(bar), r.axis(ChartAxis::Right)->coordToPixel(price)};
    }
    // The close of the bar `back` bars before the newest: a price in view.
    double CloseAt(int back) {
        const TBars& bars = Main().ChartPane->Series();
        return bars[bars.size() - 1 - std::size_t(back)].Close;
    }
    // The print preview's page, as the toolbar's "Print" opens it.
    QImage PrintedPage() {
        // The page takes the plot's size: the window's pending layout first.
        QApplication::processEvents();
        QImage page;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<TChartPreviewer*>(QApplication::activeModalWidget());
            if (!preview) return;
            page = QImage(preview->PageRect().size().toSize(), QImage::Format_RGB32);
            page.fill(Qt::white);
            {
                QPainter painter(&page);
                preview->PaintPage(painter, preview->PageRect());
            }
            preview->reject();
        });
        Main().Tools.SpeedButton1->click();
        return page;
    }
    QPointF BarPixel(int bar, double price) {
        Plot().replot();
        const ChartRenderer& r = *Main().ChartPane->Renderer1;
        return {r.bottomAxis()->coordToPixel(bar), r.axis(ChartAxis::Right)->coordToPixel(price)};
    }
    std::unique_ptr<AppRun> run_;
};

void ChartDrawingsTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({run_->Write("q.txt", SwingingQuotes("ACM", "Acme Corp") +
                                            SwingingQuotes("BLT", "Bolt Motors"))});
    run_->Start();
    Main().resize(1200, 800);
    QCOMPARE(Main().Lists.ListBox1->count(), 2);
}

// Every case starts on Acme, daily, linear, at the chosen window, no drawings.
void ChartDrawingsTest::init() {
    DeleteDrawings(Main().Store(), "ACM");
    DeleteDrawings(Main().Store(), "BLT");
    Main().Menu.DailyData1Click();
    if (Main().Graph.LogScale1->isChecked()) Main().Graph.LogScale1->trigger();
    Main().Lists.ListBox1->setCurrentRow(0);
    Main().LoadDataForName(kBolt, true);
    Main().LoadDataForName(kAcme, true);
    Main().CheckIndicator();
    Main().ChartPane->ReturnToChosenWindow();
    Drawings().SetMode(DrawingMode::None);
    QVERIFY(Drawings().Shown().empty());
}

void ChartDrawingsTest::ClicksDrawATrendLineAndALevel() {
    const TBars& bars = Main().ChartPane->Series();
    const int n = int(bars.size());
    const double low = CloseAt(39), high = CloseAt(4), middle = CloseAt(19);
    Choose("Trend Line");
    QCOMPARE(int(Drawings().Mode()), int(DrawingMode::Trend));
    QVERIFY(Drawings().Layer().InPricePanel(BarPixel(n - 40, low)));
    QVERIFY(Drawings().Layer().InPricePanel(BarPixel(n - 5, high)));
    Click(BarPixel(n - 40, low));
    QVERIFY(Drawings().Shown().empty()); // one point only so far
    Click(BarPixel(n - 5, high));
    QCOMPARE(int(Drawings().Mode()), int(DrawingMode::None));
    QCOMPARE(Drawings().Shown().size(), std::size_t(1));
    const Drawing trend = Drawings().Shown()[0];
    QCOMPARE(int(trend.kind), int(DrawingKind::Trend));
    QCOMPARE(trend.day1, bars[n - 40].Date);
    QCOMPARE(trend.day2, bars[n - 5].Date);
    QVERIFY(std::abs(trend.price1 - low) < 0.05);
    QVERIFY(std::abs(trend.price2 - high) < 0.05);

    Choose("Horizontal Line");
    Click(BarPixel(n - 20, middle));
    QCOMPARE(Drawings().Shown().size(), std::size_t(2));
    QVERIFY(std::abs(Drawings().Shown()[1].price1 - middle) < 0.05);
    // Stored at once, as shown.
    QCOMPARE(ReadDrawings(Main().Store(), "ACM"), Drawings().Shown());

    // Escape gives up a line half drawn; a click outside the price panel
    // places nothing; nothing is stored.
    Choose("Trend Line");
    Click(BarPixel(n - 30, middle));
    QTest::keyClick(&Plot(), Qt::Key_Escape);
    QCOMPARE(int(Drawings().Mode()), int(DrawingMode::None));
    Choose("Horizontal Line");
    Click(QPointF(Main().ChartPane->Renderer1->indicatorPanel()->rect().center()));
    QCOMPARE(int(Drawings().Mode()), int(DrawingMode::Level));
    QTest::keyClick(&Plot(), Qt::Key_Escape);
    QCOMPARE(ReadDrawings(Main().Store(), "ACM").size(), std::size_t(2));
}

void ChartDrawingsTest::DrawingsStayOnTheirDatesAndPrices_data() {
    QTest::addColumn<QString>("view");
    for (const char* view : {"as chosen", "zoomed in", "scrolled back", "log scale", "weekly",
                             "monthly", "monthly log zoomed out"})
        QTest::newRow(view) << view;
}

void ChartDrawingsTest::DrawingsStayOnTheirDatesAndPrices() {
    QFETCH(QString, view);
    // Stored as another client would: dates and prices only, at the closes
    // of those days, so that the price axis shows them.
    const double day1 = EncodeDate(2024, 3, 6), day2 = EncodeDate(2024, 6, 12);
    const double levelDay = EncodeDate(2024, 6, 5);
    const auto closeOn = [this](double day) {
        for (const TStockBar& bar : Main().ChartPane->Series())
            if (bar.Date == day) return bar.Close;
        return 0.0;
    };
    const double price1 = closeOn(day1), price2 = closeOn(day2), levelPrice = closeOn(levelDay);
    QVERIFY(price1 > 0 && price2 > 0 && levelPrice > 0);
    AddDrawing(Main().Store(), "ACM", {0, DrawingKind::Trend, day1, day2, price1, price2});
    const int level =
        AddDrawing(Main().Store(), "ACM", {0, DrawingKind::Level, 0, 0, levelPrice, 0});
    Main().LoadDataForName(kBolt, true);
    Main().LoadDataForName(kAcme, true);
    Main().CheckIndicator();
    QCOMPARE(Drawings().Shown().size(), std::size_t(2));
    const int trend = Drawings().Shown()[0].id;

    Plot().setFocus();
    if (view.contains("zoomed in")) QTest::keyClicks(&Plot(), "+++");
    if (view.contains("scrolled back")) QTest::keyClick(&Plot(), Qt::Key_PageUp);
    if (view.contains("log")) Main().Graph.LogScale1->trigger();
    if (view.contains("weekly")) Main().Menu.WeeklyData1Click();
    if (view.contains("monthly")) Main().Menu.MonthlyData1Click();
    if (view.contains("zoomed out")) QTest::keyClicks(&Plot(), "---");
    QCOMPARE(Main().Graph.LogScale1->isChecked(), view.contains("log"));

    const DrawingsLayer& layer = Drawings().Layer();
    int checked = 0;
    for (double day : {day1, day2}) {
        const QPointF end = PixelOf(day, day == day1 ? price1 : price2);
        if (!layer.InPricePanel(end)) continue; // scrolled or zoomed out of view
        QCOMPARE(layer.DrawingAt(end, 1.5), trend);
        // Ten pixels above the end is off the line.
        QVERIFY(layer.DrawingAt(end + QPointF(0, -10), 1.5) != trend);
        ++checked;
    }
    const QRect panel = Main().ChartPane->Renderer1->pricePanel()->rect();
    const double y = PixelOf(levelDay, levelPrice).y();
    if (layer.InPricePanel(QPointF(panel.center().x(), y))) {
        for (int x : {panel.left() + 5, panel.center().x(), panel.right() - 5})
            QCOMPARE(layer.DrawingAt(QPointF(x, y), 1.5), level);
        ++checked;
    }
    QVERIFY2(checked > 0, "nothing of the drawings in view");
}

void ChartDrawingsTest::WithoutAModeTheMouseNavigatesAndAClickSelects() {
    const int level =
        AddDrawing(Main().Store(), "ACM", {0, DrawingKind::Level, 0, 0, CloseAt(39), 0});
    Main().LoadDataForName(kBolt, true);
    Main().LoadDataForName(kAcme, true);
    Main().CheckIndicator();
    const int n = int(Main().ChartPane->Series().size());
    const QPointF on = BarPixel(n - 40, CloseAt(39));
    // A plain click on the line selects it, and the press still reaches the
    // navigation: a drag from there scrolls the chart.
    Click(on);
    QCOMPARE(Drawings().Selected(), level);
    QVERIFY(!Main().ChartPane->Navigated());
    QTest::mousePress(&Plot(), Qt::LeftButton, {}, on.toPoint());
    QMouseEvent move(QEvent::MouseMove, on + QPointF(80, 0),
                     Plot().mapToGlobal(on + QPointF(80, 0)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&Plot(), &move);
    QTest::mouseRelease(&Plot(), Qt::LeftButton, {}, (on + QPointF(80, 0)).toPoint());
    QVERIFY(Main().ChartPane->Navigated());
    // A click away from every line selects none.
    Click(on + QPointF(0, 30));
    QCOMPARE(Drawings().Selected(), 0);
    // In a drawing mode the drag is the drawing's: the view does not move.
    Main().ChartPane->ReturnToChosenWindow();
    Choose("Horizontal Line");
    Click(on + QPointF(0, 20));
    QVERIFY(!Main().ChartPane->Navigated());
    QCOMPARE(Drawings().Shown().size(), std::size_t(2));
}

void ChartDrawingsTest::SelectedDeletedWithDeleteAndAllRemoved() {
    const double at = CloseAt(19);
    const int keep = AddDrawing(Main().Store(), "ACM", {0, DrawingKind::Level, 0, 0, at - 1, 0});
    const int gone = AddDrawing(Main().Store(), "ACM", {0, DrawingKind::Level, 0, 0, at, 0});
    const int other = AddDrawing(Main().Store(), "BLT", {0, DrawingKind::Level, 0, 0, 25, 0});
    Main().LoadDataForName(kBolt, true);
    Main().LoadDataForName(kAcme, true);
    Main().CheckIndicator();
    Plot().setFocus();
    QTest::keyClick(&Plot(), Qt::Key_Delete); // nothing selected: nothing deleted
    QCOMPARE(ReadDrawings(Main().Store(), "ACM").size(), std::size_t(2));
    const int n = int(Main().ChartPane->Series().size());
    Click(BarPixel(n - 20, at));
    QCOMPARE(Drawings().Selected(), gone);
    QTest::keyClick(&Plot(), Qt::Key_Delete);
    QCOMPARE(ReadDrawings(Main().Store(), "ACM").size(), std::size_t(1));
    QCOMPARE(ReadDrawings(Main().Store(), "ACM")[0].id, keep);
    QCOMPARE(Drawings().Selected(), 0);
    // Removing all asks first: "No" keeps them, "Yes" deletes them.
    run_->Ui.Answers = {false, true};
    run_->Ui.Questions.clear();
    Choose("Remove All Drawings");
    QCOMPARE(ReadDrawings(Main().Store(), "ACM").size(), std::size_t(1));
    Choose("Remove All Drawings");
    QCOMPARE(run_->Ui.Questions,
             QStringList(2, "Delete the drawing of ACM? This cannot be undone."));
    QVERIFY(ReadDrawings(Main().Store(), "ACM").empty());
    QVERIFY(Drawings().Shown().empty());
    QCOMPARE(ReadDrawings(Main().Store(), "BLT")[0].id, other); // another stock's stay
}

void ChartDrawingsTest::AnotherClientsDrawingIsShownWithTheStock() {
    // A second attachment, as another desktop on the same database.
    TDataStore other;
    other.DB1.DBFile = run_->DatabaseFile();
    QVERIFY(CheckFirebird(other, run_->DatabaseFile(), {}));
    AddDrawing(other, "BLT", {0, DrawingKind::Level, 0, 0, 22, 0});
    other.DB1.Disconnect();
    Main().LoadDataForName(kBolt, true);
    QCOMPARE(Drawings().Shown().size(), std::size_t(1));
    QCOMPARE(Drawings().Shown()[0].price1, 22.0);
}

void ChartDrawingsTest::PeriodsDialog_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("stored");
    QTest::newRow("RSI 9 saved") << "RSI"
                                 << "9"
                                 << "Save" << 9;
    QTest::newRow("RSI 100, the top") << "RSI"
                                      << "100"
                                      << "Save" << 100;
    QTest::newRow("RSI 2 is below the range") << "RSI"
                                              << "2"
                                              << "Save" << 14;
    QTest::newRow("ATR 150: the 0 is refused") << "ATR"
                                               << "150"
                                               << "Save" << 15;
    QTest::newRow("MACD2 3 is below its range") << "MACD2"
                                                << "3"
                                                << "Save" << 26;
    QTest::newRow("MACD2 4 is its least") << "MACD2"
                                          << "4"
                                          << "Save" << 4;
    QTest::newRow("letters are refused") << "CCI"
                                         << "x"
                                         << "Save" << 20;
    QTest::newRow("Cancel stores nothing") << "RSI"
                                           << "9"
                                           << "Cancel" << 14;
    QTest::newRow("Default after typing") << "RSI"
                                          << "9"
                                          << "Default" << 14;
}

void ChartDrawingsTest::PeriodsDialog() {
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(int, stored);
    SaveIndicatorParams(Main().Store(), TIndicatorParams{});
    LoadIndicatorParams(Main().Store(), Main().Params);
    Main().Graph.ViewRSIClick();
    bool acted = false;
    QTimer::singleShot(0, [&] {
        TIndicatorPeriodsWindow* dialog = Main().Analysis.PeriodsWindow;
        QVERIFY(dialog && dialog->isVisible());
        QSpinBox* edit = dialog->Edit(key.toStdString());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        if (button == "Default") {
            QTest::mouseClick(dialog->DefaultButton, Qt::LeftButton);
            QTest::mouseClick(dialog->SaveButton, Qt::LeftButton);
        } else {
            QTest::mouseClick(button == "Save" ? dialog->SaveButton : dialog->CancelButton,
                              Qt::LeftButton);
        }
        acted = true;
    });
    Main().Menu.IndicatorPeriods1Click();
    QVERIFY(acted);
    QVERIFY(!Main().Analysis.PeriodsWindow->isVisible());
    TIndicatorParams read;
    LoadIndicatorParams(Main().Store(), read);
    const IndicatorParamKey* k = nullptr;
    for (const IndicatorParamKey& each : kIndicatorParamKeys)
        if (each.key == key.toStdString()) k = &each;
    QVERIFY(k);
    QCOMPARE(read.*k->member, stored);
    // In use at once: the program's periods and the RSI chart's title.
    QCOMPARE(Main().Params, read);
    QVERIFY2(Main().ChartPane->Label(35)->text().contains(QString::number(read.RSI)),
             qPrintable(Main().ChartPane->Label(35)->text()));
}

// The printed page shows the stock's drawings as the window does: a level
// adds one thin band across the page's chart and nothing else.
void ChartDrawingsTest::PrintedPageCarriesTheDrawings() {
    const QImage plain = PrintedPage();
    QVERIFY(!plain.isNull());
    AddDrawing(Main().Store(), "ACM", {0, DrawingKind::Level, 0, 0, CloseAt(19), 0});
    Main().LoadDataForName(kBolt, true);
    Main().LoadDataForName(kAcme, true);
    Main().CheckIndicator();
    const QImage drawn = PrintedPage();
    QCOMPARE(drawn.size(), plain.size());
    QRect changed;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != plain.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    QVERIFY(!changed.isEmpty());
    QVERIFY2(changed.height() <= 6, qPrintable(QString::number(changed.height())));
    QRect chart; // the inked part of the page: the chart with its labels
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != qRgb(255, 255, 255)) chart |= QRect(x, y, 1, 1);
    QVERIFY(chart.contains(changed));
    QVERIFY2(changed.width() > chart.width() / 2, qPrintable(QString::number(changed.width())));
}

BREVANT_QTEST_MAIN(ChartDrawingsTest)
#include "chart_drawings_test.moc"
