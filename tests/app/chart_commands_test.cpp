// Brevant Dira — the chart's commands in the main window: the "&Graph" items
// and their check marks, the application-wide keys, the header and status
// texts, the axis labels following the selection, and the print preview.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <qcustomplot.h>

#include "app/stock_list_box.h"
#include "app_fixture.h"
#include "chart/compose_chart.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_previewer.h"
#include "screen/ui/filter_window.h"

using brevant::TForm1;
using brevant::testing::AppRun;

namespace {

const QString kFirst = "Acme Anvil Works , ZANV";

enum Group { Window, Indicator, Style };

QComboBox* Combo(TForm1& m, int group) {
    return group == Window      ? m.Graph.ComboBox3
           : group == Indicator ? m.Graph.ComboBox1
                                : m.Graph.ComboBox2;
}

// The one checked item of each "&Graph" group, as indexes.
QList<int> CheckedItems(const TForm1& m) {
    QList<int> checked;
    for (const QList<QAction*>* items :
         {&m.Graph.WindowItems, &m.Graph.IndicatorItems, &m.Graph.StyleItems}) {
        QList<int> marks;
        for (int i = 0; i < items->size(); ++i)
            if ((*items)[i]->isChecked()) marks << i;
        checked << (marks.size() == 1 ? marks.front() : -1);
    }
    return checked;
}

// What the status bar shows: a passing message, or else its lasting text.
QString StatusText(const TForm1& m) {
    if (!m.statusBar()->currentMessage().isEmpty()) return m.statusBar()->currentMessage();
    QStringList shown;
    for (const QLabel* label : m.statusBar()->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty()) shown << label->text();
    return shown.join(' ');
}

QList<int> ComboIndexes(const TForm1& m) {
    return {m.Graph.ComboBox3->currentIndex(), m.Graph.ComboBox1->currentIndex(),
            m.Graph.ComboBox2->currentIndex()};
}

} // namespace

class ChartCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void GraphItem_data();
    void GraphItem();
    void FunctionKey_data();
    void FunctionKey();
    void FunctionKeysNeedASelection();
    void ViewCommandKeepsTheChosenPeriod();
    void MenuTakesKeysWhileMainWindowIsActive();
    void OtherWindowsPassKeysToTheChart();
    void F12OpensTheFilterWindowOnce();
    void ShortHistoryNamedInStatusBar();
    void EmptyIndicatorPanelSaysWhy();
    void StatusTextOutlivesHoveringAMenu();
    void EmptySeriesShowsDesignCaptions();
    void HeaderFromFilterResultWhenAllStockHasNoSelection();
    void BottomAxisLabelsFollowTheSelection();
    void PrintOpensTitledPreview();

private:
    TForm1& Main() { return run_->Main(); }
    std::unique_ptr<AppRun> run_;
};

void ChartCommandsTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({SAMPLE_QUOTES});
    run_->Start();
    QCOMPARE(Main().Lists.ListBox1->count(), 8);
}

// Every case starts on the first stock, the initial view, the "All Stock" page.
void ChartCommandsTest::init() {
    Main().Lists.PageControl1->setCurrentWidget(Main().Lists.TabSheet1);
    Main().Lists.ListBox2->clear();
    Main().Lists.ListBox1->setCurrentRow(0);
    Main().Graph.ComboBox1->setCurrentIndex(2);
    Main().Graph.ComboBox2->setCurrentIndex(1);
    Main().Graph.ComboBox3->setCurrentIndex(1);
    Main().Menu.DailyData1Click();
    QCOMPARE(Main().Bars.size(), std::size_t(260));
}

void ChartCommandsTest::GraphItem_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key"); // 0: no key
    const int windowKeys[] = {Qt::Key_F1, 0, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4};
    for (int i = 0; i < 5; ++i) QTest::addRow("window %d", i) << int(Window) << i << windowKeys[i];
    for (int i = 0; i < 16; ++i) {
        const int key = i >= 2 && i <= 5 ? Qt::Key_F5 + (i - 2) : 0;
        QTest::addRow("indicator %d", i) << int(Indicator) << i << key;
    }
    for (int i = 0; i < 3; ++i) QTest::addRow("style %d", i) << int(Style) << i << Qt::Key_F9 + i;
}

void ChartCommandsTest::GraphItem() {
    QFETCH(int, group);
    QFETCH(int, index);
    QFETCH(int, key);
    const QList<QAction*>& items = group == Window      ? Main().Graph.WindowItems
                                   : group == Indicator ? Main().Graph.IndicatorItems
                                                        : Main().Graph.StyleItems;
    QAction* item = items[index];
    QCOMPARE(item->shortcut(), key ? QKeySequence(key) : QKeySequence());
    // A volume no database row has: a reload would bring the stored one back.
    Main().Bars.back().Volume = 4242;
    QList<int> expected = ComboIndexes(Main());
    expected[group] = index;

    item->trigger();

    QCOMPARE(Combo(Main(), group)->currentIndex(), index);
    QCOMPARE(CheckedItems(Main()), expected);
    QCOMPARE(Main().Bars.back().Volume, 4242.0);
    QCOMPARE(Main().ChartPane->Label(28)->text(), QString(" 4,242"));
    QCOMPARE(Main().ChartPane->Label(35)->text(),
             QString::fromLatin1(
                 brevant::IndicatorTitle(Main().Graph.ComboBox1->currentIndex(), Main().Params)));
}

void ChartCommandsTest::FunctionKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Window) << 0;
    QTest::newRow("F2") << int(Qt::Key_F2) << int(Window) << 2;
    QTest::newRow("F3") << int(Qt::Key_F3) << int(Window) << 3;
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Window) << 4;
    QTest::newRow("F5") << int(Qt::Key_F5) << int(Indicator) << 2;
    QTest::newRow("F6") << int(Qt::Key_F6) << int(Indicator) << 3;
    QTest::newRow("F7") << int(Qt::Key_F7) << int(Indicator) << 4;
    QTest::newRow("F8") << int(Qt::Key_F8) << int(Indicator) << 5;
    QTest::newRow("F9") << int(Qt::Key_F9) << int(Style) << 0;
    QTest::newRow("F10") << int(Qt::Key_F10) << int(Style) << 1;
    QTest::newRow("F11") << int(Qt::Key_F11) << int(Style) << 2;
}

void ChartCommandsTest::FunctionKey() {
    QFETCH(int, key);
    QFETCH(int, group);
    QFETCH(int, index);
    // Away from the key's own choice first, so that the key has to change it.
    Main().Graph.ComboBox3->setCurrentIndex(1);
    Main().Graph.ComboBox1->setCurrentIndex(0);
    Main().Graph.ComboBox2->setCurrentIndex(index == 1 && group == Style ? 0 : 1);
    Main().CheckIndicator();
    QList<int> expected = ComboIndexes(Main());
    expected[group] = index;

    Main().ApplicationEvents1ShortCut(key);

    QCOMPARE(ComboIndexes(Main()), expected);
    QCOMPARE(CheckedItems(Main()), expected);
}

void ChartCommandsTest::FunctionKeysNeedASelection() {
    Main().Lists.ListBox1->clearSelection();
    const QList<int> before = ComboIndexes(Main());
    for (int key = Qt::Key_F1; key <= Qt::Key_F11; ++key) Main().ApplicationEvents1ShortCut(key);
    QCOMPARE(ComboIndexes(Main()), before);
    QCOMPARE(CheckedItems(Main()), before);
    // A selection in the filter result list is enough.
    Main().Lists.ListBox2->addItem(kFirst);
    Main().Lists.ListBox2->setCurrentRow(0);
    Main().ApplicationEvents1ShortCut(Qt::Key_F4);
    QCOMPARE(Main().Graph.ComboBox3->currentText(), QString("View All"));
}

void ChartCommandsTest::ViewCommandKeepsTheChosenPeriod() {
    Main().Menu.WeeklyData1Click();
    const std::size_t weeks = Main().Bars.size();
    QVERIFY(weeks > 50 && weeks < 60);
    Main().Bars.back().MFI = 0;
    Main().Graph.ViewMFIClick();
    // Converted again from the weekly bars held, which leaves them as they are.
    QCOMPARE(Main().Bars.size(), weeks);
    QVERIFY(Main().Bars.back().MFI != 0);
    QCOMPARE(CheckedItems(Main()), ComboIndexes(Main()));
    QCOMPARE(Main().Graph.ComboBox1->currentIndex(), 5);
    QCOMPARE(Main().ChartPane->Label(35)->text(), QString("Money Flow Index (14)"));
}

void ChartCommandsTest::MenuTakesKeysWhileMainWindowIsActive() {
    Main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Main()));
    // With no selection the application-wide handler would do nothing; the menu item acts.
    Main().Lists.ListBox1->clearSelection();
    QTest::keyClick(&Main(), Qt::Key_F2);
    QCOMPARE(Main().Graph.ComboBox3->currentText(), QString("6 Months"));
    QCOMPARE(CheckedItems(Main()), ComboIndexes(Main()));
}

void ChartCommandsTest::OtherWindowsPassKeysToTheChart() {
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_F6);
    QCOMPARE(Main().Graph.ComboBox1->currentText(), QString("RSI Relative Strength"));
    QCOMPARE(Main().ChartPane->Label(35)->text(), QString("Relative Strength Index (14)"));
    // Not a view key: nothing changes.
    QTest::keyClick(&other, Qt::Key_A);
    QCOMPARE(Main().Graph.ComboBox1->currentIndex(), 3);
}

void ChartCommandsTest::F12OpensTheFilterWindowOnce() {
    brevant::TForm2* filter = run_->w().Form2;
    int openings = 0;
    QTimer watch;
    watch.setInterval(10);
    connect(&watch, &QTimer::timeout, [&] {
        if (!filter->isVisible()) return;
        ++openings;
        // A second F12 while the window shows: nothing happens.
        Main().ApplicationEvents1ShortCut(Qt::Key_F12);
        filter->reject();
    });
    watch.start();
    Main().ApplicationEvents1ShortCut(Qt::Key_F12);
    QCOMPARE(openings, 1);
    QVERIFY(!filter->isVisible());
}

void ChartCommandsTest::ShortHistoryNamedInStatusBar() {
    Main().Bars.resize(30);
    Main().Graph.Month1Click();
    QCOMPARE(StatusText(Main()), QString());
    Main().Bars.resize(20);
    Main().Graph.Month1Click();
    QCOMPARE(StatusText(Main()), kFirst + " has less than 1 Month data");
    Main().Graph.ViewAllDataClick();
    QCOMPARE(StatusText(Main()), QString());
}

// Moving the mouse over menu items (whose empty status tips are passing
// messages) leaves the status bar's text as it was.
void ChartCommandsTest::StatusTextOutlivesHoveringAMenu() {
    Main().Bars.resize(20);
    Main().Graph.Month1Click();
    const QString text = kFirst + " has less than 1 Month data";
    QCOMPARE(StatusText(Main()), text);

    QMenuBar* bar = Main().Menu.MainMenu1;
    QAction* data = nullptr;
    for (QAction* title : bar->actions())
        if (title->text() == "&Data") data = title;
    QVERIFY(data);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(data).center());
    QMenu* menu = data->menu();
    QTRY_VERIFY(menu->isVisible());
    QAction* last = nullptr;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator()) continue;
        QTest::mouseMove(menu, menu->actionGeometry(item).center());
        last = item;
    }
    QCOMPARE(menu->activeAction(), last);
    QCOMPARE(StatusText(Main()), text);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(StatusText(Main()), text);
    Main().Graph.ViewAllDataClick();
    QCOMPARE(StatusText(Main()), QString());
}

// The drawn texts of the chart itself, as the panel shows them.
static QStringList ChartTexts(QCustomPlot* chart) {
    QStringList texts;
    for (int i = 0; i < chart->itemCount(); ++i)
        if (auto* t = qobject_cast<QCPItemText*>(chart->item(i)))
            if (t->visible()) texts << t->text();
    return texts;
}

void ChartCommandsTest::EmptyIndicatorPanelSaysWhy() {
    Main().Bars.resize(20);
    Main().Graph.Month1Click();
    QVERIFY(ChartTexts(Main().ChartPane->Chart1).contains(kFirst + " has less than 1 Month data"));
    Main().Graph.ViewAllDataClick();
    QVERIFY(ChartTexts(Main().ChartPane->Chart1).contains("Too few bars for MACD Full (12,26,9)"));
    // RSI (14) draws from bar 17 on: the panel has values and says nothing.
    Main().Graph.ViewRSIClick();
    QCOMPARE(ChartTexts(Main().ChartPane->Chart1), QStringList());
}

void ChartCommandsTest::EmptySeriesShowsDesignCaptions() {
    Main().Bars.clear();
    Main().PlotData();
    const std::pair<int, const char*> captions[] = {{22, "Stock Name"}, {24, "Open"}, {26, "High"},
                                                    {28, "Volume"},     {30, "Low"},  {32, "Close"},
                                                    {34, "Date"},       {35, ""}};
    for (const auto& [number, text] : captions)
        QCOMPARE(Main().ChartPane->Label(number)->text(), text);
    QVERIFY(Main().ChartPane->Label(35)->isHidden());
    QCOMPARE(StatusText(Main()), QString());
    Main().Lists.ListBox1DblClick();
    QVERIFY(!Main().ChartPane->Label(35)->isHidden());
}

void ChartCommandsTest::HeaderFromFilterResultWhenAllStockHasNoSelection() {
    const QString other = "Bluegill Robotics , ZBLG";
    Main().Lists.ListBox1->clearSelection();
    Main().Lists.ListBox2->addItem(other);
    Main().Lists.ListBox2->setCurrentRow(0);
    Main().Graph.View6MClick();
    QCOMPARE(Main().ChartPane->Label(22)->text(), other);
    QCOMPARE(Main().ChartPane->Label(34)->text(), QString("31 December 2025"));
}

void ChartCommandsTest::BottomAxisLabelsFollowTheSelection() {
    QCPAxis* bottom = Main().ChartPane->Renderer1->bottomAxis();
    // Every label a date (or empty right of the last bar), or every label a bar number.
    auto allMatch = [&](const QString& pattern) {
        Main().ChartPane->Chart1->replot();
        const QStringList labels = bottom->tickVectorLabels();
        const QRegularExpression re(pattern);
        for (const QString& label : labels)
            if (!re.match(label).hasMatch()) return false;
        return !labels.isEmpty();
    };
    const QString dates = "^(    \\d\\d [A-Z][a-z]{2} 25    )?$";
    const QString numbers = "^\\d+$";
    QVERIFY(allMatch(dates));
    Main().Lists.ListBox1->clearSelection();
    QVERIFY(allMatch(numbers));
    Main().Lists.ListBox1->setCurrentRow(0);
    QVERIFY(allMatch(dates));
}

// The toolbar's "Print" opens the chart's own preview, on a landscape page
// that carries the stock's name above the chart (the window's labels are
// not printed).
void ChartCommandsTest::PrintOpensTitledPreview() {
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    bool headerOnPage = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<brevant::TChartPreviewer*>(QApplication::activeModalWidget());
        if (!preview) return;
        title = preview->windowTitle();
        orientation = preview->Printer().pageLayout().orientation();
        QImage page(preview->PageRect().size().toSize(), QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            preview->PaintPage(painter, preview->PageRect());
        }
        // The header's row: the top 3 % of the chart, its left tenth.
        const QRectF chart = preview->ChartRect();
        for (int y = int(chart.top()); y < chart.top() + chart.height() * 0.03; ++y)
            for (int x = int(chart.left()); x < chart.left() + chart.width() * 0.1; ++x)
                headerOnPage |= page.pixel(x, y) != qRgb(255, 255, 255);
        preview->reject();
    });
    Main().Tools.SpeedButton1->click();
    QCOMPARE(title, QString("Print Preview"));
    QCOMPARE(orientation, QPageLayout::Landscape);
    QVERIFY(headerOnPage);
}

BREVANT_QTEST_MAIN(ChartCommandsTest)
#include "chart_commands_test.moc"
