// Brevant Dira — walks through the screening windows on a real display and
// saves a picture of each: every page of the filter dialog, the progress
// window during a run and when it is complete, and the main window with the
// result list. Used by scripts/screening_screenshots.sh under Xvfb.
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "app/scripted_ui.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/scan_progress_window.h"
#include "store/bootstrap.h"
#include "store/quote_import.h"

namespace {

void Save(QWidget* window, const QString& path) {
    const QRect frame = window->frameGeometry();
    QPixmap shot;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    // The display sometimes answers with an empty picture; the window's own is second best.
    if (shot.width() < 2 || shot.height() < 2) shot = window->grab();
    std::printf("%s %s (%d,%d %dx%d visible %d)\n", shot.save(path) ? "saved" : "FAILED",
                qPrintable(path), frame.x(), frame.y(), frame.width(), frame.height(),
                int(window->isVisible()));
}

// Steps run one after another from the event loop, each after its pause; a
// step that is not ready yet (false) is tried again shortly.
class Tour {
public:
    void Add(int delayMs, std::function<bool()> step) { steps_.push_back({delayMs, step}); }
    void Start() { Schedule(); }

private:
    void Schedule() {
        if (next_ < steps_.size()) QTimer::singleShot(steps_[next_].first, [this] { Run(); });
    }
    void Run() {
        // Armed first: a step may open a modal window that a later step closes.
        const std::size_t index = next_++;
        Schedule();
        if (!steps_[index].second())
            steps_.insert(steps_.begin() + long(next_), {300, steps_[index].second});
    }
    std::vector<std::pair<int, std::function<bool()>>> steps_;
    std::size_t next_ = 0;
};

QString Slug(QString title) {
    return title.toLower().replace(QRegularExpression("[^a-z0-9]+"), "-");
}

} // namespace

int main(int argc, char* argv[]) {
    brevant::TApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s OUTDIR DATABASE SAMPLEFILE PROGRAMDIR\n", argv[0]);
        return 2;
    }
    {
        brevant::TDataStore store;
        if (!brevant::CheckFirebird(store, argv[2], {})) return 1;
        brevant::TQuoteImport(store, '.').Run({argv[3]});
    }
    brevant::testing::ScriptedUi ui;
    const QString out = QString::fromLocal8Bit(argv[1]);
    brevant::TStartOptions options;
    options.DatabasePath = QString::fromLocal8Bit(argv[2]);
    options.ProgramDir = QString::fromLocal8Bit(argv[4]);
    brevant::TApplicationWindows windows(options);
    const brevant::TAppWindows& w = windows.Windows();
    brevant::TForm2* form2 = w.Form2;
    brevant::TForm5* form5 = w.Form5;
    Tour tour;
    auto once = [](std::function<void()> f) {
        return [f] {
            f();
            return true;
        };
    };

    tour.Add(2500, [&] { return w.Form1->isVisible(); });
    tour.Add(300, once([&] { w.Form1->Menu.ScanNow1Click(); }));
    QTabWidget* subPages[] = {form2->PageControl1, form2->PageControl4, form2->PageControl3};
    for (int page = 0; page < 4; ++page) {
        const int count = page < 3 ? subPages[page]->count() : 1;
        for (int sub = 0; sub < count; ++sub) {
            tour.Add(250, once([&, page, sub] {
                         form2->PageControl2->setCurrentIndex(page);
                         if (page < 3) subPages[page]->setCurrentIndex(sub);
                     }));
            // Taken in a step of its own, once the page has been painted.
            tour.Add(250, once([&, page, sub] {
                         QString name = Slug(form2->PageControl2->tabText(page));
                         if (page < 3) name += "--" + Slug(subPages[page]->tabText(sub));
                         Save(form2, QDir(out).filePath("filter-" + name + ".png"));
                     }));
        }
    }
    tour.Add(250, once([&] {
                 form2->PageControl2->setCurrentIndex(0);
                 form2->PageControl1->setCurrentIndex(0);
                 form2->Basic.CheckBox2->setChecked(true);
                 form2->Basic.CheckBox4->setChecked(true);
             }));
    // The picture during the run is taken from inside it, after a few stocks.
    QTimer during;
    during.setInterval(0);
    QObject::connect(&during, &QTimer::timeout, [&] {
        if (!form5->isVisible() || form5->Label2->text().isEmpty() ||
            form5->Label2->text().startsWith("1 "))
            return;
        during.stop();
        Save(form5, QDir(out).filePath("progress-running.png"));
    });
    tour.Add(250, once([&] {
                 during.start();
                 form2->Button1->click();
             }));
    tour.Add(500, once([&] { Save(form5, QDir(out).filePath("progress-complete.png")); }));
    tour.Add(300, once([&] { Save(w.Form1, QDir(out).filePath("main-window-results.png")); }));
    tour.Add(300, once([&] { form5->Button1Click(); }));
    tour.Add(300, once([&] { form2->Button2Click(); }));
    tour.Add(300, once([&] { w.Form1->Menu.Exit2Click(); }));
    tour.Start();
    const int rc = brevant::TApplication::exec();
    for (const QString& m : ui.Messages) std::printf("message: %s\n", qPrintable(m));
    return rc;
}
