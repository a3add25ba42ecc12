// Brevant Dira — walks through the program's windows on a real display and
// saves a picture of each: start on an empty database, the first-time guide,
// an import of the sample quotes, the main window and its chart in several
// views, its print preview, the overlay and indicator setting dialogs, the split list, the about
// box and the help. Used by scripts/screenshots.sh under Xvfb.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <qcustomplot.h>
#include <vector>

#include "app/about_window.h"
#include "app/app_windows.h"
#include "app/application.h"
#include "app/first_time_guide.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "chart/ui/indicator_setting_window.h"
#include "chart/ui/overlay_window.h"
#include "scripted_ui.h"
#include "store/ui/progress_window.h"
#include "store/ui/split_list_window.h"
#include "store/ui/update_window.h"

namespace {

using Step = std::function<bool()>; // false: not ready yet, try again shortly

class Tour {
public:
    explicit Tour(QString outDir) : outDir_(std::move(outDir)) {}

    void Add(int delayMs, Step step) { steps_.push_back({delayMs, std::move(step)}); }
    void Start() { Schedule(); }

    void Save(QWidget* window, const QString& name) {
        // Let the window paint what the step just changed.
        window->repaint();
        QApplication::processEvents();
        QTest::qWait(200);
        const QRect frame = window->frameGeometry();
        QPixmap shot;
        if (QScreen* screen = QGuiApplication::primaryScreen())
            shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        if (shot.isNull()) shot = window->grab();
        const QString path = QDir(outDir_).filePath(name);
        std::printf("%s %s\n", shot.save(path) ? "saved" : "FAILED", qPrintable(path));
    }

private:
    void Schedule() {
        if (next_ >= steps_.size()) return;
        QTimer::singleShot(steps_[next_].first, [this] { Run(); });
    }
    void Run() {
        const std::size_t index = next_;
        // The next step is armed first: a step may open a modal window and
        // only return when a later step closes it.
        ++next_;
        Schedule();
        if (!steps_[index].second()) {
            // Not ready: run this step again before the one just armed.
            steps_.insert(steps_.begin() + long(next_), {300, steps_[index].second});
        }
    }

    QString outDir_;
    std::vector<std::pair<int, Step>> steps_;
    std::size_t next_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    brevant::TApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s OUTDIR DATABASE SAMPLEFILE PROGRAMDIR\n", argv[0]);
        return 2;
    }
    brevant::testing::ScriptedUi ui;
    ui.FilesToOpen = {QString::fromLocal8Bit(argv[3])};
    brevant::TStartOptions options;
    options.DatabasePath = QString::fromLocal8Bit(argv[2]);
    options.ProgramDir = QString::fromLocal8Bit(argv[4]);
    brevant::TApplicationWindows windows(options);
    const brevant::TAppWindows& w = windows.Windows();
    Tour tour(QString::fromLocal8Bit(argv[1]));
    auto once = [](std::function<void()> f) {
        return [f] {
            f();
            return true;
        };
    };

    // The splash, before its timer shows the main window.
    QTimer::singleShot(600, [&] { tour.Save(w.Form4, "splash.png"); });
    tour.Add(2500, [&] {
        if (!w.Form11->isVisible()) return false;
        tour.Save(w.Form11, "first-time-guide.png");
        w.Form11->Button1Click();
        return true;
    });
    tour.Add(500, once([&] { w.Form1->Menu.UpdateData1Click(); }));
    tour.Add(700, once([&] {
                 w.Form8->Button2Click();
                 tour.Save(w.Form8, "update-window.png");
             }));
    tour.Add(300, once([&] { w.Form8->Buttom1Click(); }));
    tour.Add(400, once([&] { tour.Save(w.Form3, "progress-window.png"); }));
    tour.Add(300, [&] {
        if (w.Form3->Button1->text() != "Complete") return false;
        tour.Save(w.Form3, "progress-complete.png");
        w.Form3->Button1Click();
        return true;
    });
    tour.Add(300, once([&] { w.Form8->Button3Click(); }));
    tour.Add(800, once([&] { tour.Save(w.Form1, "main-window.png"); }));
    // The chart with overlays, the crosshair and its readout.
    tour.Add(300, once([&] {
                 w.Form13->CheckBox1->setChecked(true);
                 w.Form13->CheckBox2->setChecked(true);
                 w.Form13->CheckBox4->setChecked(true);
                 w.Form1->Menu.OverlayIndicator1Click();
             }));
    tour.Add(500, once([&] {
                 tour.Save(w.Form13, "overlay-dialog.png");
                 w.Form13->Button1Click();
             }));
    tour.Add(300, once([&] {
                 w.Form1->Graph.ViewAllDataClick();
                 w.Form1->SpeedButton5Click();
                 QWidget* chart = w.Form1->ChartPane->Chart1;
                 const QPoint at(chart->width() * 2 / 3, chart->height() / 2);
                 QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton,
                                  Qt::NoButton, Qt::NoModifier);
                 QApplication::sendEvent(chart, &move);
             }));
    tour.Add(600, once([&] { tour.Save(w.Form1, "main-window-crosshair.png"); }));
    tour.Add(300, once([&] {
                 w.Form1->SpeedButton5Click();
                 w.Form1->Graph.ViewRSIClick();
                 w.Form1->Graph.ViewBarClick();
                 w.Form1->Graph.Month1Click();
             }));
    tour.Add(600, once([&] { tour.Save(w.Form1, "main-window-rsi-bars-1-month.png"); }));
    tour.Add(300, once([&] {
                 w.Form1->Graph.ViewOBVClick();
                 w.Form1->Graph.ViewLineClick();
                 w.Form1->Graph.View1YearClick();
             }));
    tour.Add(600, once([&] { tour.Save(w.Form1, "main-window-obv-line-1-year.png"); }));
    tour.Add(300, once([&] { w.Form1->Menu.Print1Click(); }));
    tour.Add(1500, [&] {
        auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!preview) return false;
        preview->resize(1000, 760);
        tour.Save(preview, "print-preview.png");
        preview->reject();
        return true;
    });
    tour.Add(300, once([&] { w.Form1->Menu.SetIndicatorValue1Click(); }));
    tour.Add(500, once([&] {
                 tour.Save(w.Form12, "indicator-setting.png");
                 w.Form12->Button3Click();
             }));
    tour.Add(300, once([&] { w.Form1->Menu.UndoStockSplitDividend1Click(); }));
    tour.Add(500, once([&] {
                 tour.Save(w.Form10, "split-list.png");
                 w.Form10->Button2Click();
             }));
    tour.Add(300, once([&] { w.Form1->Menu.About1Click(); }));
    tour.Add(500, once([&] {
                 tour.Save(w.Form6, "about-box.png");
                 w.Form6->Button1Click();
             }));
    tour.Add(300, once([&] {
                 w.HelpWindow->ShowPage(w.Form1->ProgramDir() + "Brevhelp/Update_Database.htm");
             }));
    tour.Add(600, once([&] {
                 tour.Save(w.HelpWindow, "help-window.png");
                 w.HelpWindow->close();
             }));
    tour.Add(300, once([&] {
                 w.Form1->Lists.Edit3->setText("gi");
                 w.Form1->Lists.Button2Click();
                 w.Form1->Menu.ViewDetailData1Click();
             }));
    tour.Add(600, once([&] { tour.Save(w.Form1, "main-window-search-no-detail.png"); }));
    tour.Add(300, once([&] { w.Form1->Menu.Exit2Click(); }));
    tour.Start();
    const int rc = brevant::TApplication::exec();
    for (const QString& m : ui.Messages) std::printf("message: %s\n", qPrintable(m));
    return rc;
}
