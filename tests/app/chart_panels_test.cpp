// Brevant Dira — indicator panels added under the price panel in the main
// window, driven by real clicks and keys: adding and removing them from the
// "&Graph" menu and a panel's context menu, the indicator keys and combo box
// acting on the panel last clicked, the readout naming every panel's
// values, and dragging a border between panels.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <qcustomplot.h>

#include "app/stock_list_box.h"
#include "app_fixture.h"
#include "chart/indicator_views.h"
#include "chart/number_texts.h"
#include "chart/render/added_panel_rects.h"
#include "chart/render/chart_renderer.h"

using brevant::TForm1;
using brevant::testing::AppRun;
using namespace brevant;

class ChartPanelsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void AddedFromTheGraphMenu();
    void AtMostThreePanels();
    void ContextMenuAddsAndRemoves();
    void KeysAndComboActOnTheClickedPanel_data();
    void KeysAndComboActOnTheClickedPanel();
    void RemovingTheActivePanelGoesBackToTheFirst();
    void ReadoutNamesEveryPanelsValues();
    void BorderDragSharesTwoPanelsHeight();

private:
    TForm1& Main() { return run_->Main(); }
    TChartPane& Pane() { return *Main().ChartPane; }
    AddedPanelRects& Added() { return Pane().Renderer1->addedPanels(); }
    void AddFromGraphMenu(const QString& view);
    QPoint CentreOf(int panel);
    void Click(int panel, Qt::MouseButton button = Qt::LeftButton);
    QMenu* OpenPopup();
    std::unique_ptr<AppRun> run_;
};

void ChartPanelsTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({SAMPLE_QUOTES});
    run_->Start();
    Main().resize(1000, 760);
    Main().Lists.ListBox1->setCurrentRow(0);
    Main().Graph.ViewAllDataClick();
    QCOMPARE(Main().Bars.size(), std::size_t(260));
}

// One panel with "MACD Full", as the program starts.
void ChartPanelsTest::init() {
    while (Main().Analysis.Panels.Count() > 1)
        Main().Analysis.Panels.Remove(Main().Analysis.Panels.Count() - 1);
    Main().Graph.SetIndicator(kMacdFull);
    Pane().Chart1->replot();
    QCOMPARE(Added().Count(), 0);
}

void ChartPanelsTest::AddFromGraphMenu(const QString& view) {
    for (QAction* item : Main().Analysis.Panels.AddPanel1->actions())
        if (item->text() == view) return item->trigger();
    QFAIL(qPrintable("no item " + view));
}

QPoint ChartPanelsTest::CentreOf(int panel) {
    Pane().Chart1->replot();
    const QCPAxisRect* rect =
        panel == 0 ? Pane().Renderer1->indicatorPanel() : Added().Rect(panel - 1);
    return rect->rect().center();
}

void ChartPanelsTest::Click(int panel, Qt::MouseButton button) {
    QTest::mouseClick(Pane().Chart1, button, Qt::NoModifier, CentreOf(panel));
}

QMenu* ChartPanelsTest::OpenPopup() {
    QMenu* menu = nullptr;
    [&] { QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))); }();
    return menu;
}

void ChartPanelsTest::AddedFromTheGraphMenu() {
    QVERIFY(!Main().Analysis.Panels.RemovePanel1->isEnabled());
    AddFromGraphMenu("RSI Relative Strength");
    QCOMPARE(Main().Analysis.Panels.Views(), std::vector<int>({kMacdFull, kRsiView}));
    QCOMPARE(Added().Count(), 1);
    // The new panel is the active one: the combo box shows its view, the
    // first panel keeps its own.
    QCOMPARE(Main().Graph.ComboBox1->currentIndex(), int(kRsiView));
    QVERIFY(Main().Graph.IndicatorItems[kRsiView]->isChecked());
    QCOMPARE(Pane().Label(35)->text(), QString("MACD Full (12,26,9)"));
    // Its line holds the RSI of every bar from its first meaningful one.
    const auto* line = static_cast<QCPGraph*>(Added().Rect(0)->plottables().last());
    QCOMPARE(line->name(), QString("Series3"));
    QVERIFY(line->dataCount() > 200);
    const auto last = line->data()->end() - 1;
    QCOMPARE(last->value, Main().Bars.back().RSI);
    // The dates move under the lowest panel.
    QVERIFY(!Pane().Renderer1->bottomAxis()->tickLabels());
    QVERIFY(Added().DateAxis()->visible());
    QVERIFY(Main().Analysis.Panels.RemovePanel1->isEnabled());
    Main().Analysis.Panels.RemovePanel1->trigger();
    QCOMPARE(Added().Count(), 0);
    QVERIFY(Pane().Renderer1->bottomAxis()->tickLabels());
    QCOMPARE(Pane().Label(35)->frameShape(), QFrame::NoFrame);
    QCOMPARE(Main().Graph.ComboBox1->currentIndex(), int(kMacdFull));
}

void ChartPanelsTest::AtMostThreePanels() {
    AddFromGraphMenu("RSI Relative Strength");
    AddFromGraphMenu("CCI Commodity Channel");
    QCOMPARE(Main().Analysis.Panels.Count(), 3);
    QVERIFY(!Main().Analysis.Panels.AddPanel1->isEnabled());
    Main().Analysis.Panels.Add(kMfiView);
    QCOMPARE(Main().Analysis.Panels.Views(), std::vector<int>({kMacdFull, kRsiView, kCciView}));
    QCOMPARE(Added().Count(), 2);
    // Each panel is lower than the one-panel chart's, the price panel keeps
    // at least half the plot.
    Pane().Chart1->replot();
    const int first = Pane().Renderer1->indicatorPanel()->rect().height();
    const int price = Pane().Renderer1->pricePanel()->rect().height();
    QVERIFY(price > 2 * first);
    QVERIFY2(std::abs(Added().Rect(0)->rect().height() - first) <= 1,
             qPrintable(QString("%1 %2").arg(Added().Rect(0)->rect().height()).arg(first)));
}

void ChartPanelsTest::ContextMenuAddsAndRemoves() {
    Click(0, Qt::RightButton);
    QMenu* menu = OpenPopup();
    QVERIFY(menu);
    QAction* remove = nullptr;
    QMenu* add = nullptr;
    for (QAction* item : menu->actions()) {
        if (item->text() == "Remove This Panel") remove = item;
        if (item->menu() && item->text() == "Add Indicator Panel") add = item->menu();
    }
    QVERIFY(remove && add);
    QVERIFY(!remove->isEnabled()); // the first panel stays
    QCOMPARE(add->actions().size(), kIndicatorViewCount);
    add->actions()[kWrView]->trigger();
    menu->close();
    QCOMPARE(Main().Analysis.Panels.Views(), std::vector<int>({kMacdFull, kWrView}));

    Click(1, Qt::RightButton);
    menu = OpenPopup();
    QVERIFY(menu);
    for (QAction* item : menu->actions())
        if (item->text() == "Remove This Panel") remove = item;
    QVERIFY(remove->isEnabled());
    remove->trigger();
    menu->close();
    QCOMPARE(Main().Analysis.Panels.Count(), 1);
    QCOMPARE(Added().Count(), 0);
}

void ChartPanelsTest::KeysAndComboActOnTheClickedPanel_data() {
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("byKey"); // else the combo box
    QTest::newRow("first panel, F7") << 0 << true;
    QTest::newRow("second panel, F7") << 1 << true;
    QTest::newRow("third panel, F7") << 2 << true;
    QTest::newRow("second panel, combo box") << 1 << false;
    QTest::newRow("third panel, combo box") << 2 << false;
}

void ChartPanelsTest::KeysAndComboActOnTheClickedPanel() {
    QFETCH(int, clicked);
    QFETCH(bool, byKey);
    AddFromGraphMenu("RSI Relative Strength");
    AddFromGraphMenu("ADX Wilder's DMI");
    Click(clicked);
    QCOMPARE(Main().Analysis.Panels.Active(), clicked);
    // The clicked panel's title is framed, the others' are not.
    QCOMPARE(Pane().Label(35)->frameShape() == QFrame::Box, clicked == 0);
    for (QCPAbstractItem* item : Pane().Chart1->findChildren<QCPAbstractItem*>())
        if (auto* text = qobject_cast<QCPItemText*>(item);
            text && text->position->axisRect() &&
            text->position->axisRect() != Pane().Renderer1->indicatorPanel())
            QCOMPARE(text->pen().style() != Qt::NoPen,
                     clicked > 0 && text->position->axisRect() == Added().Rect(clicked - 1));
    if (byKey) {
        QApplication::setActiveWindow(&Main());
        Pane().Chart1->setFocus();
        QTest::keyClick(Pane().Chart1, Qt::Key_F7);
    } else {
        Main().Graph.ComboBox1->setCurrentIndex(kCciView);
        emit Main().Graph.ComboBox1->activated(kCciView);
    }
    std::vector<int> expected = {kMacdFull, kRsiView, kAdxView};
    expected[std::size_t(clicked)] = kCciView;
    QCOMPARE(Main().Analysis.Panels.Views(), expected);
    // Drawn so: the panel's title names the view.
    const QString title = QString::fromStdString(IndicatorTitle(kCciView, Main().Params));
    QCOMPARE(Pane().Label(35)->text() == title, clicked == 0);
    Pane().Chart1->replot();
    for (int k = 0; k < 2; ++k) {
        bool found = false;
        for (QCPAbstractItem* item : Pane().Chart1->findChildren<QCPAbstractItem*>())
            if (auto* text = qobject_cast<QCPItemText*>(item);
                text && text->position->axisRect() == Added().Rect(k) && text->text() == title)
                found = true;
        QCOMPARE(found, clicked == k + 1);
    }
    // Another click gives the combo box that panel's view back.
    Click(clicked == 0 ? 1 : 0);
    QCOMPARE(Main().Graph.ComboBox1->currentIndex(), clicked == 0 ? int(kRsiView) : int(kMacdFull));
}

void ChartPanelsTest::RemovingTheActivePanelGoesBackToTheFirst() {
    AddFromGraphMenu("RSI Relative Strength");
    AddFromGraphMenu("Average True Range");
    Click(1);
    Main().Analysis.Panels.RemovePanel1->trigger(); // the active one: RSI
    QCOMPARE(Main().Analysis.Panels.Views(), std::vector<int>({kMacdFull, kAtrView}));
    QCOMPARE(Main().Analysis.Panels.Active(), 0);
    QCOMPARE(Main().Graph.ComboBox1->currentIndex(), int(kMacdFull));
}

void ChartPanelsTest::ReadoutNamesEveryPanelsValues() {
    AddFromGraphMenu("RSI Relative Strength");
    AddFromGraphMenu("Slow Stochastic");
    const int grown = Pane().Panel3->height() - TChartPane::kPanelHeight;
    QVERIFY(grown > 0);
    // The stock lists moved down by as much.
    QCOMPARE(Main().Lists.PageControl1->geometry().top(), Pane().Panel3->geometry().bottom() + 1);

    const int bar = 200;
    const QPoint at(qRound(Pane().Renderer1->bottomAxis()->coordToPixel(bar + 0.3)),
                    CentreOf(1).y());
    QMouseEvent move(QEvent::MouseMove, at, Pane().Chart1->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Pane().Chart1, &move);
    QTRY_VERIFY(!Pane().Label(11)->text().startsWith("Tech"));
    QTRY_VERIFY(!Pane().Timer1->isActive());
    QStringList texts;
    for (const QLabel* label : Pane().AddedPanelLabels()) texts << label->text();
    const TStockBar& b = Main().Bars[bar];
    auto value = [](double v) { return QString::fromStdString(Rounded4Text(v, '.')); };
    QCOMPARE(texts, QStringList({"RSI Relative Strength", "RSI  :", value(b.RSI), "Slow Stochastic",
                                 "%K SLOW :", value(b.SlowK), "%D SLOW :", value(b.SlowD)}));
    // The first panel's labels read its own view, as before.
    QCOMPARE(Pane().Label(19)->text(), QString("MACD Fast :"));
    QCOMPARE(Pane().Label(11)->text(), value(b.MacdLine));

    // Back to one panel: the detail panel and the lists as designed.
    Main().Analysis.Panels.Remove(2);
    Main().Analysis.Panels.Remove(1);
    QCOMPARE(Pane().Panel3->height(), TChartPane::kPanelHeight);
    QCOMPARE(Pane().AddedPanelLabels().size(), std::size_t(0));
    QCOMPARE(Main().Lists.PageControl1->geometry().top(), TChartPane::kPanelHeight);
}

void ChartPanelsTest::BorderDragSharesTwoPanelsHeight() {
    AddFromGraphMenu("RSI Relative Strength");
    Pane().Chart1->replot();
    const QRect price = Pane().Renderer1->pricePanel()->rect();
    const QRect added = Added().Rect(0)->rect();
    const int total = price.height() + added.height();
    const QPoint border(price.center().x(), price.bottom() + 1);
    QTest::mousePress(Pane().Chart1, Qt::LeftButton, Qt::NoModifier, border);
    QMouseEvent move(QEvent::MouseMove, border - QPoint(0, 40),
                     Pane().Chart1->mapToGlobal(border - QPoint(0, 40)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Pane().Chart1, &move);
    QTest::mouseRelease(Pane().Chart1, Qt::LeftButton, Qt::NoModifier, border - QPoint(0, 40));
    Pane().Chart1->replot();
    const int priceAfter = Pane().Renderer1->pricePanel()->rect().height();
    const int addedAfter = Added().Rect(0)->rect().height();
    QVERIFY2(std::abs(addedAfter - (added.height() + 40)) <= 1,
             qPrintable(QString("%1 -> %2").arg(added.height()).arg(addedAfter)));
    QVERIFY(std::abs(priceAfter + addedAfter - total) <= 1);
    // The drag did not scroll the chart.
    QVERIFY(!Pane().Navigated());
}

QTEST_MAIN(ChartPanelsTest)
#include "chart_panels_test.moc"
