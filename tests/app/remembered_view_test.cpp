// Brevant Dira — "Remember my view": off by default, so a first start is the
// default one; when on, the view of the last run comes back at the next
// start; switched off, it is forgotten; a broken or foreign settings file is
// ignored with a note on stderr and left as it was. Each case keeps its Qt
// settings in a folder of its own.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QSettings>
#include <QTabWidget>
#include <cstdio>
#include <unistd.h>

#include "app/stock_list_box.h"
#include "app/view_memory.h"
#include "app_fixture.h"
#include "chart/indicator_views.h"
#include "chart/render/added_panel_rects.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/overlay_window.h"
#include "screen/ui/filter_window.h"
#include "ui/clamping_spin_edit.h"

using brevant::testing::AppRun;
using namespace brevant;

namespace {

// stderr into a file while it lives, for the notes a start writes.
class StderrCapture {
public:
    explicit StderrCapture(const std::string& file) {
        std::fflush(stderr);
        saved_ = dup(2);
        std::FILE* f = std::fopen(file.c_str(), "w");
        dup2(fileno(f), 2);
        std::fclose(f);
        file_ = file;
    }
    ~StderrCapture() { Restore(); }
    QString Text() {
        Restore();
        QFile f(QString::fromStdString(file_));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }

private:
    void Restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
    }
    int saved_ = -1;
    std::string file_;
};

} // namespace

class RememberedViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void OffByDefault();
    void OnBringsTheViewBack();
    void SwitchedOffForgetsTheView();
    void BrokenOrForeignFileIsIgnored_data();
    void BrokenOrForeignFileIsIgnored();

private:
    // A run of the program with the sample quotes, its settings in `settings_`.
    std::unique_ptr<AppRun> Started();
    QString SettingsFile() const { return settings_->path() + "/brevant-dira/brevant-dira.ini"; }
    std::unique_ptr<QTemporaryDir> settings_;
};

void RememberedViewTest::init() {
    settings_ = std::make_unique<QTemporaryDir>();
}

std::unique_ptr<AppRun> RememberedViewTest::Started() {
    auto run = std::make_unique<AppRun>();
    // Shared by the runs of one case, unlike the fixture's own.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_->path());
    run->Prefill({SAMPLE_QUOTES});
    run->Start();
    return run;
}

void RememberedViewTest::OffByDefault() {
    auto run = Started();
    TForm1& main = run->Main();
    QVERIFY(!main.Analysis.Memory.RememberView1->isChecked());
    QCOMPARE(main.Analysis.Panels.Count(), 1);
    QCOMPARE(main.Graph.ComboBox1->currentIndex(), int(kMacdFull));
    const int firstRow = main.Lists.ListBox1->currentRow();
    main.Lists.ListBox1->setCurrentRow(2);
    main.Lists.ListBox1DblClick();
    main.close();
    run.reset();
    // Nothing was kept, so the next start is the default one again.
    QVERIFY(!QFile::exists(SettingsFile()));
    run = Started();
    QCOMPARE(run->Main().Lists.ListBox1->currentRow(), firstRow);
    QVERIFY(firstRow != 2);
}

void RememberedViewTest::OnBringsTheViewBack() {
    auto run = Started();
    TForm1& main = run->Main();
    main.Analysis.Memory.RememberView1->trigger();
    QVERIFY(main.Analysis.Memory.RememberView1->isChecked());
    main.Lists.ListBox1->setCurrentRow(1);
    main.Lists.ListBox1DblClick();
    main.Menu.WeeklyData1Click();
    main.Graph.SetWindow(kSixMonths);
    main.Graph.SetStyle(kBarStyle);
    main.Analysis.Panels.Add(kRsiView);
    main.Analysis.Panels.Add(kAtrView);
    main.Graph.LogScale1->trigger();
    TForm13& overlays = *run->w().Form13;
    overlays.JvSpinEdit1->setValue(15);
    overlays.CheckBox1->setChecked(true);
    overlays.CheckBox4->setChecked(true);
    TForm2& filter = *run->w().Form2;
    filter.Basic.CheckBox3->setChecked(true);
    filter.Basic.SpinEdit5->setValue(40);
    filter.Basic.ComboBox10->setCurrentIndex(1);
    const RememberedView before = main.Analysis.Memory.Current();
    QCOMPARE(before.panels, std::vector<int>({kMacdFull, kRsiView, kAtrView}));
    main.close();
    run.reset();

    run = Started();
    TForm1& again = run->Main();
    QVERIFY(again.Analysis.Memory.RememberView1->isChecked());
    QCOMPARE(again.Analysis.Memory.Current(), before);
    // And the chart shows it: the stock, weekly bars, three panels.
    QCOMPARE(again.Lists.ListBox1->currentRow(), 1);
    QVERIFY(again.Menu.ViewWeeklyData1->isChecked());
    QCOMPARE(again.Graph.ComboBox3->currentIndex(), int(kSixMonths));
    QCOMPARE(again.ChartPane->Renderer1->addedPanels().Count(), 2);
    QCOMPARE(run->w().Form13->JvSpinEdit1->value(), 15);
    QVERIFY(run->w().Form2->Basic.CheckBox3->isChecked());
}

void RememberedViewTest::SwitchedOffForgetsTheView() {
    auto run = Started();
    run->Main().Analysis.Memory.RememberView1->trigger(); // on
    run->Main().Analysis.Panels.Add(kCciView);
    run->Main().Analysis.Memory.RememberView1->trigger(); // off
    run->Main().close();
    run.reset();
    QSettings file(SettingsFile(), QSettings::IniFormat);
    QCOMPARE(file.value("RememberMyView").toString(), QString("false"));
    QVERIFY(file.childGroups().isEmpty());
    run = Started();
    QVERIFY(!run->Main().Analysis.Memory.RememberView1->isChecked());
    QCOMPARE(run->Main().Analysis.Panels.Count(), 1);
}

void RememberedViewTest::BrokenOrForeignFileIsIgnored_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not an INI file") << QByteArray("\x89PNG\r\n\x1a\n\0\0garbage line\n", 20);
    QTest::newRow("switch neither yes nor no") << QByteArray("[General]\nRememberMyView=perhaps\n");
    QTest::newRow("another format")
        << QByteArray("[General]\nRememberMyView=true\n[RememberedView]\nformat=7\nstock=X\n");
    QTest::newRow("a view out of range")
        << QByteArray("[General]\nRememberMyView=true\n[RememberedView]\nformat=1\nstock=X\n"
                      "panels=2,99\nperiod=0\nwindow=1\nhistory=\npriceStyle=1\n"
                      "overlays=20,50,200,20,2,0,0,0,0\nlogScale=false\nadjusted=false\n"
                      "filter=\n");
}

void RememberedViewTest::BrokenOrForeignFileIsIgnored() {
    QFETCH(QByteArray, content);
    QDir().mkpath(settings_->path() + "/brevant-dira");
    QFile file(SettingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    std::unique_ptr<AppRun> run;
    QString note;
    {
        StderrCapture capture((settings_->path() + "/stderr.txt").toStdString());
        run = Started();
        note = capture.Text();
    }
    QVERIFY2(note.contains("brevant-dira.ini"), qPrintable(note));
    TForm1& main = run->Main();
    QCOMPARE(main.Analysis.Panels.Count(), 1);
    QCOMPARE(main.Graph.ComboBox1->currentIndex(), int(kMacdFull));
    QVERIFY(main.Lists.ListBox1->currentRow() <= 0);
    QVERIFY(!main.Analysis.Memory.RememberView1->isChecked());
    main.close();
    run.reset();
    // Left as it was.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

QTEST_MAIN(RememberedViewTest)
#include "remembered_view_test.moc"
