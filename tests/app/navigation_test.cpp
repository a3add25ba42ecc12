// Brevant Dira — choosing and searching stocks, and the detail panel.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QToolTip>
#include <qcustomplot.h>

#include "app/stock_list_box.h"
#include "app_fixture.h"
#include "fbl/fbl.h"

using brevant::TForm1;
using brevant::testing::AppRun;
using brevant::testing::Quotes;

namespace {

const QString kBolt = "Bolt Motors , BLT";

QString Caption(const QString& item) {
    return QString(TForm1::kCaption) + item;
}

// Rows the program's attachment has read by index so far: a stock's load
// reads its rows so.
qlonglong IndexReads(TForm1& main) {
    brevant::TFBLTransaction t(&main.Store().DB1);
    brevant::TFBLDsql q(&t);
    t.StartTransaction();
    q.SetSQL("SELECT R.MON$RECORD_IDX_READS FROM MON$ATTACHMENTS A JOIN MON$RECORD_STATS R ON "
             "R.MON$STAT_ID = A.MON$STAT_ID WHERE A.MON$ATTACHMENT_ID = CURRENT_CONNECTION");
    q.ExecSQL();
    q.First();
    const qlonglong reads = QString::fromStdString(q.FieldAsString(0)).toLongLong();
    t.Commit();
    return reads;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void Search_data();
    void Search();
    void UpcaseSChangesOnlyAsciiLetters();
    void UserSelectionLoadsProgramSelectionDoesNot();
    void MouseDragAcrossTheListLoadsTheStock_data();
    void MouseDragAcrossTheListLoadsTheStock();
    void KeyReleaseInTheSearchBoxSearchesOnce();
    void ViewChangeWithoutSelectionChangesNothing();
    void DetailPanelToggledTwice();
    void ListAndChartResizedAgainstEachOther();
    void LongListTextShowsAsHint();
    void ReadoutOnlyWhilePanelShows();
    void FunctionKeysSetTheView_data();
    void FunctionKeysSetTheView();

private:
    TForm1& Main() { return run_->Main(); }
    std::unique_ptr<AppRun> run_;
};

void NavigationTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    // Days per stock differ so that the loaded bars tell which stock was loaded.
    run_->Prefill({run_->Write(
        "q.txt", Quotes("ACM", "Acme Corp", 3) + Quotes("ACR", "acre Holdings", 4) +
                     Quotes("BLT", "Bolt Motors", 5) + Quotes("ZAC", "Zacme Ltd", 6))});
    run_->Start();
    QCOMPARE(Main().Lists.ListBox1->count(), 4);
}

// Every case starts on "All Stock" with Bolt Motors selected and shown.
void NavigationTest::init() {
    Main().LoadStockList();
    Main().Lists.PageControl1->setCurrentWidget(Main().Lists.TabSheet1);
    Main().Lists.ListBox1->setCurrentRow(2);
    Main().LoadDataForName(kBolt, true);
    Main().setWindowTitle(Caption(kBolt));
    Main().Lists.Edit3->clear();
}

void NavigationTest::Search_data() {
    QTest::addColumn<bool>("filterPage");
    QTest::addColumn<QStringList>("filterItems");
    QTest::addColumn<bool>("emptyAllStock");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("found"); // the selected and shown stock afterwards
    QTest::addColumn<int>("bars");

    const QStringList none;
    const QStringList result = {kBolt, "Zacme Ltd , ZAC"};
    QTest::newRow("prefix in any case")
        << false << none << false << "aC" << int(Qt::Key_C) << "Acme Corp , ACM" << 3;
    QTest::newRow("longer prefix")
        << false << none << false << "ACR" << int(Qt::Key_R) << "acre Holdings , ACR" << 4;
    QTest::newRow("no match keeps the stock")
        << false << none << false << "acx" << int(Qt::Key_X) << kBolt << 5;
    QTest::newRow("inside a name finds nothing")
        << false << none << false << "cme" << int(Qt::Key_E) << kBolt << 5;
    QTest::newRow("arrow keys never search")
        << false << none << false << "ac" << int(Qt::Key_Left) << kBolt << 5;
    QTest::newRow("down arrow never searches")
        << false << none << false << "ac" << int(Qt::Key_Down) << kBolt << 5;
    QTest::newRow("empty box does nothing")
        << false << none << false << "" << int(Qt::Key_Backspace) << kBolt << 5;
    QTest::newRow("result page searches its list")
        << true << result << false << "za" << int(Qt::Key_A) << "Zacme Ltd , ZAC" << 6;
    QTest::newRow("empty result page does nothing")
        << true << none << false << "ac" << int(Qt::Key_C) << kBolt << 5;
    QTest::newRow("empty all-stock list searches results")
        << false << result << true << "za" << int(Qt::Key_A) << "Zacme Ltd , ZAC" << 6;
}

void NavigationTest::Search() {
    QFETCH(bool, filterPage);
    QFETCH(QStringList, filterItems);
    QFETCH(bool, emptyAllStock);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(QString, found);
    QFETCH(int, bars);

    Main().Lists.ListBox2->addItems(filterItems);
    if (emptyAllStock) Main().Lists.ListBox1->clear();
    if (filterPage) Main().Lists.PageControl1->setCurrentWidget(Main().Lists.TabSheet2);
    Main().Lists.Edit3->setText(text);
    Main().Lists.Edit3KeyUp(key);

    QCOMPARE(Main().windowTitle(), Caption(found));
    QCOMPARE(int(Main().Bars.size()), bars);
    const bool inResults = filterItems.contains(found) && found != kBolt;
    const QListWidget* list = inResults ? Main().Lists.ListBox2 : Main().Lists.ListBox1;
    if (!emptyAllStock || inResults) {
        QVERIFY(list->currentItem());
        QCOMPARE(list->currentItem()->text(), found);
    }
}

void NavigationTest::UpcaseSChangesOnlyAsciiLetters() {
    QCOMPARE(brevant::UpcaseS(QString::fromLatin1("abz AZ 09 \xe9t\xe9-x")),
             QString::fromLatin1("ABZ AZ 09 \xe9T\xe9-X"));
}

void NavigationTest::UserSelectionLoadsProgramSelectionDoesNot() {
    Main().Lists.ListBox1->setCurrentRow(3); // the program's choice: nothing loads
    QCOMPARE(Main().windowTitle(), Caption(kBolt));

    Main().Lists.ListBox1->setCurrentRow(2);
    Main().Lists.ListBox1->setFocus();
    QTest::keyClick(Main().Lists.ListBox1, Qt::Key_Down);
    QCOMPARE(Main().windowTitle(), Caption("Zacme Ltd , ZAC"));
    QCOMPARE(int(Main().Bars.size()), 6);

    const QRect first = Main().Lists.ListBox1->visualItemRect(Main().Lists.ListBox1->item(0));
    QTest::mouseClick(Main().Lists.ListBox1->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(Main().windowTitle(), Caption("Acme Corp , ACM"));
    QCOMPARE(Main().ChartPane->Label(22)->text(), QString("Acme Corp , ACM"));
    QCOMPARE(int(Main().Bars.size()), 3);
}

void NavigationTest::MouseDragAcrossTheListLoadsTheStock_data() {
    QTest::addColumn<QList<int>>("rows"); // pressed on the first, released on the last
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("bars");
    QTest::newRow("down the list") << QList<int>{0, 1, 3} << "Zacme Ltd , ZAC" << 6;
    QTest::newRow("up the list") << QList<int>{3, 1} << "acre Holdings , ACR" << 4;
    QTest::newRow("away and back to the selected one") << QList<int>{2, 3, 2} << kBolt << 5;
    QTest::newRow("back to where it began") << QList<int>{0, 1, 0} << "Acme Corp , ACM" << 3;
}

// A press on one item and a release on another is no click, yet the
// selection moved: the selected stock is the one shown.
void NavigationTest::MouseDragAcrossTheListLoadsTheStock() {
    QFETCH(QList<int>, rows);
    QFETCH(QString, shown);
    QFETCH(int, bars);
    Main().Bars.clear(); // what is shown afterwards was loaded by the drag
    QWidget* viewport = Main().Lists.ListBox1->viewport();
    auto at = [&](int row) {
        return Main().Lists.ListBox1->visualItemRect(Main().Lists.ListBox1->item(row)).center();
    };
    QTest::mousePress(viewport, Qt::LeftButton, {}, at(rows.first()));
    for (int row : rows.mid(1)) QTest::mouseMove(viewport, at(row));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(rows.last()));

    QCOMPARE(Main().Lists.ListBox1->currentItem()->text(), shown);
    QVERIFY(Main().Lists.ListBox1->currentItem()->isSelected());
    QCOMPARE(Main().windowTitle(), Caption(shown));
    QCOMPARE(Main().ChartPane->Label(22)->text(), shown);
    QCOMPARE(int(Main().Bars.size()), bars);
}

// The search box's key release searches once, so the stock found is read
// once: as much as one search asked for directly reads.
void NavigationTest::KeyReleaseInTheSearchBoxSearchesOnce() {
    Main().Lists.Edit3->setText("z");
    qlonglong before = IndexReads(Main());
    Main().Lists.Button2Click();
    const qlonglong oneSearch = IndexReads(Main()) - before;
    QCOMPARE(Main().windowTitle(), Caption("Zacme Ltd , ZAC"));
    QVERIFY(oneSearch > 0);

    init();
    Main().Lists.Edit3->setFocus();
    before = IndexReads(Main());
    QTest::keyClick(Main().Lists.Edit3, Qt::Key_Z);
    QCOMPARE(Main().Lists.Edit3->text(), QString("z"));
    QCOMPARE(Main().windowTitle(), Caption("Zacme Ltd , ZAC"));
    QCOMPARE(IndexReads(Main()) - before, oneSearch);
}

void NavigationTest::ViewChangeWithoutSelectionChangesNothing() {
    Main().Lists.ListBox1->setCurrentRow(-1);
    Main().Bars.clear();
    Main().Graph.ComboBox3->setCurrentIndex(0);
    emit Main().Graph.ComboBox3->activated(0);
    QCOMPARE(Main().windowTitle(), Caption(kBolt));
    QVERIFY(Main().Bars.empty());
    QCOMPARE(Main().Graph.ComboBox3->currentText(), QString("1 Month"));
    Main().Graph.ComboBox3->setCurrentIndex(1);
}

void NavigationTest::DetailPanelToggledTwice() {
    const QRect before = Main().Lists.PageControl1->geometry();
    QVERIFY(Main().ChartPane->Panel3->isVisible());
    QVERIFY(Main().Menu.ViewDetailData1->isChecked());

    Main().Menu.ViewDetailData1->trigger();
    QVERIFY(!Main().ChartPane->Panel3->isVisible());
    QVERIFY(!Main().Menu.ViewDetailData1->isChecked());
    QCOMPARE(Main().Lists.PageControl1->geometry(), before.adjusted(0, -172, 0, 0));

    Main().Menu.ViewDetailData1->trigger();
    QVERIFY(Main().ChartPane->Panel3->isVisible());
    QVERIFY(Main().Menu.ViewDetailData1->isChecked());
    QCOMPARE(Main().Lists.PageControl1->geometry(), before);
}

// The handle between the side column and the chart, dragged with the mouse.
void NavigationTest::ListAndChartResizedAgainstEachOther() {
    auto* split = qobject_cast<QSplitter*>(Main().centralWidget());
    QVERIFY(split);
    QWidget* column = Main().Lists.PageControl1->parentWidget();
    QWidget* chart = Main().ChartPane;
    QWidget* search = Main().Lists.Edit3->parentWidget();
    const int both = column->width() + chart->width();
    // The handle follows the mouse: each step is placed from the splitter,
    // which stays still.
    const auto drag = [split](int dx) {
        QSplitterHandle* handle = split->handle(1);
        const QPoint from = handle->rect().center();
        const QPoint fromInSplit = handle->mapTo(split, from);
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(handle,
                             handle->mapFrom(split, fromInSplit + QPoint(dx * step / 4, 0)));
        QTest::mouseRelease(handle, Qt::LeftButton, {},
                            handle->mapFrom(split, fromInSplit + QPoint(dx, 0)));
    };
    // Until it is dragged: the column as wide as the detail panel, the chart
    // 2 pixels beside it, as the window has always been laid out.
    QCOMPARE(column->geometry(), QRect(0, 0, 152, split->height()));
    QCOMPARE(chart->x(), 154);
    QCOMPARE(Main().Lists.PageControl1->width(), 152);

    drag(100);
    // The handle's grab area reaches a pixel into its neighbours.
    const int wide = column->width();
    QVERIFY2(std::abs(wide - 252) <= 1, qPrintable(QString::number(wide)));
    QCOMPARE(chart->x(), wide + 2);
    QCOMPARE(column->width() + chart->width(), both);
    QCOMPARE(Main().Lists.PageControl1->width(), wide);
    QCOMPARE(search->geometry().right(), wide - 1);
    QCOMPARE(Main().ChartPane->Panel3->width(), 152);
    // The chart takes what the window gains; the column keeps its width.
    Main().resize(Main().width() + 50, Main().height());
    QTRY_COMPARE(chart->width(), both - wide + 50);
    QCOMPARE(column->width(), wide);
    Main().resize(Main().width() - 50, Main().height());
    QTRY_COMPARE(chart->width(), both - wide);

    // Never narrower than the detail panel it heads.
    drag(-300);
    QCOMPARE(column->width(), 152);
    QCOMPARE(column->width() + chart->width(), both);
    QCOMPARE(Main().Lists.PageControl1->width(), 152);
}

void NavigationTest::LongListTextShowsAsHint() {
    Main().Lists.ListBox1->addItem("A stock whose full name is far wider than the list , LONG");
    QListWidgetItem* item = Main().Lists.ListBox1->item(Main().Lists.ListBox1->count() - 1);
    const QPoint at = Main().Lists.ListBox1->visualItemRect(item).center();
    QWidget* viewport = Main().Lists.ListBox1->viewport();
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, {}, {});
    QApplication::sendEvent(viewport, &move);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), item->text());
    QToolTip::hideText();
}

void NavigationTest::ReadoutOnlyWhilePanelShows() {
    Main().CheckIndicator(); // Bolt Motors' five bars on the chart
    QCustomPlot* chart = Main().ChartPane->Chart1;
    const QPoint middle(chart->width() / 2, chart->height() / 2);
    auto moveMouse = [&] {
        QMouseEvent move(QEvent::MouseMove, middle, chart->mapToGlobal(middle), Qt::NoButton, {},
                         {});
        QApplication::sendEvent(chart, &move);
    };
    Main().ChartPane->Label(10)->setText("Date");
    Main().Menu.ViewDetailData1->trigger(); // hidden
    moveMouse();
    QTest::qWait(150);
    QCOMPARE(Main().ChartPane->Label(10)->text(), QString("Date"));
    Main().Menu.ViewDetailData1->trigger(); // shown again
    moveMouse();
    QTRY_VERIFY(Main().ChartPane->Label(10)->text() != "Date");
    QVERIFY(Main().ChartPane->Label(10)->text().contains("Jan 24"));
}

void NavigationTest::FunctionKeysSetTheView_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("combo"); // 1: indicator, 2: style, 3: time window
    QTest::addColumn<int>("index");
    QTest::newRow("F1") << int(Qt::Key_F1) << "View 1 Month Data" << 3 << 0;
    QTest::newRow("F4") << int(Qt::Key_F4) << "View All Data" << 3 << 4;
    QTest::newRow("F6") << int(Qt::Key_F6) << "View Relative Strength Index" << 1 << 3;
    QTest::newRow("F8") << int(Qt::Key_F8) << "View Money Flow Index" << 1 << 5;
    QTest::newRow("F9") << int(Qt::Key_F9) << "View Bar(High,Low,Close)" << 2 << 0;
    QTest::newRow("F11") << int(Qt::Key_F11) << "View Line" << 2 << 2;
}

void NavigationTest::FunctionKeysSetTheView() {
    QFETCH(int, key);
    QFETCH(QString, caption);
    QFETCH(int, combo);
    QFETCH(int, index);
    QAction* item = nullptr;
    for (QAction* action : Main().actions())
        if (action->shortcut() == QKeySequence(key)) item = action;
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    item->trigger();
    const QComboBox* combos[] = {nullptr, Main().Graph.ComboBox1, Main().Graph.ComboBox2,
                                 Main().Graph.ComboBox3};
    QCOMPARE(combos[combo]->currentIndex(), index);
    QVERIFY(item->isChecked());
    // The chart commands work on the bars held: nothing is read again.
    QCOMPARE(Main().windowTitle(), Caption(kBolt));
    Main().Graph.ComboBox1->setCurrentIndex(2);
    Main().Graph.ComboBox2->setCurrentIndex(1);
    Main().Graph.ComboBox3->setCurrentIndex(1);
}

BREVANT_QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
