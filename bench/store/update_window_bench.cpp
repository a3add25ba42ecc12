// Brevant Dira — the import through the real update and progress windows on
// the offscreen platform, as a whole process to hold against
// `brevant-cli --db DB import FILE...`: a new database, "Browse..." answered
// with the files, "Update" clicked, the stock list read again when the
// import completes (as the main window does), the time to "Complete" printed.
//
// usage: QT_QPA_PLATFORM=offscreen update_window_bench DB FILE...
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <cstdio>
#include <filesystem>

#include "store/bootstrap.h"
#include "store/stock_list.h"
#include "store/ui/progress_window.h"
#include "store/ui/store_host.h"
#include "store/ui/update_window.h"
#include "ui/user_interface.h"

namespace brevant {
namespace {

// What the update window needs of the main window, without the main window.
class BenchHost : public TStoreHost {
public:
    TDataStore& Store() override { return store_; }
    const LocaleSettings& ProgramLocale() const override { return locale_; }
    char DecimalSeparator() const override { return '.'; }
    QString ProgramDir() const override { return "./"; }
    bool& StopRequest() override { return stop_; }
    void ImportFinished() override {
        TStockList list;
        TIndicatorParams params;
        LoadStockList(store_, list, params, {});
        stocks_ = list.Items.size();
    }
    std::size_t Stocks() const { return stocks_; }

private:
    TDataStore store_;
    LocaleSettings locale_ = WithProgramDates(LocaleSettings{});
    bool stop_ = false;
    std::size_t stocks_ = 0;
};

// Answers "Browse..." with the files of the command line.
class BenchUi : public ui::UserInterface {
public:
    explicit BenchUi(QStringList files) : files_(std::move(files)) {}
    void ShowMessage(QWidget*, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    QStringList OpenFileNames(QWidget*, const QString&, const QString&) override { return files_; }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool OpenUrl(const QUrl&) override { return false; }
    void ShowHelpPage(const QString&) override {}

private:
    QStringList files_;
};

} // namespace
} // namespace brevant

int main(int argc, char** argv) {
    using namespace brevant;
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s DB FILE...\n", argv[0]);
        return 2;
    }
    QStringList files;
    for (int i = 2; i < argc; ++i) files << QString::fromLocal8Bit(argv[i]);
    BenchUi ui(files);
    ui::SetUi(&ui);

    BenchHost host;
    if (const OpenResult opened = CheckFirebird(host.Store(), argv[1], {}); !opened) {
        std::fprintf(stderr, "cannot open %s: %s\n", argv[1], opened.Message.c_str());
        return 1;
    }
    TForm8 update(host);
    TForm3 progress(host, &update);
    update.SetProgressWindow(&progress);
    update.show();
    update.Button2->click();

    QElapsedTimer timer;
    timer.start();
    update.Button1->click();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const bool complete = progress.Button1->text() == "Complete";
    std::printf("import_seconds=%.3f stocks=%zu lines=%s complete=%d\n", seconds, host.Stocks(),
                qPrintable(progress.Label6->text()), complete ? 1 : 0);
    host.Store().DB1.Disconnect();
    return complete ? 0 : 1;
}
