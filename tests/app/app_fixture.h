// Brevant Dira — one run of the program for window tests: its own folder
// with a database, the windows created as the program creates them, and the
// user's answers given through ScriptedUi.
#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <charconv>
#include <memory>
#include <system_error>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/first_time_guide.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "scripted_ui.h"
#include "store/bootstrap.h"
#include "store/quote_import.h"
#include "support/temp_dir.h"

namespace brevant::testing {

class AppRun {
public:
    // The run's Qt settings (a remembered view) are its own, not the user's.
    AppRun() {
        dir_.write("placeholder", "");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(Folder()) + "settings");
    }

    std::string Folder() const { return dir_.path().string() + "/"; }
    std::string DatabaseFile() const { return dir_.file("BREVDATA.BVD"); }
    std::string Write(const char* name, const std::string& text) const {
        return dir_.write(name, text);
    }

    // Creates the database and imports `files` with the core, as an earlier run would have.
    void Prefill(const std::vector<std::string>& files) const {
        TDataStore store;
        QVERIFY(CheckFirebird(store, DatabaseFile(), {}));
        const ImportResult result = TQuoteImport(store, '.').Run(files);
        QCOMPARE(int(result.Outcome), int(ImportOutcome::Completed));
        store.DB1.Disconnect();
    }

    // Copies the help pages beside the "program" (this run's folder).
    void InstallHelp() const {
        QDir().mkpath(QString::fromStdString(Folder()) + "Brevhelp");
        const QDir source(HELP_SOURCE_DIR);
        for (const QString& page : source.entryList(QDir::Files))
            QFile::copy(source.filePath(page),
                        QString::fromStdString(Folder()) + "Brevhelp/" + page);
    }

    // Starts the program and waits until the main window is up (or the
    // program gave up). The first-time guide is closed whenever it opens.
    void Start(const QString& databasePath = {}) {
        TStartOptions options;
        options.DatabasePath =
            databasePath.isEmpty() ? QString::fromStdString(DatabaseFile()) : databasePath;
        options.ProgramDir = QString::fromStdString(Folder());
        StartWith(options);
    }

    // Starts the program with exactly these options.
    void StartWith(const TStartOptions& options) {
        windows_ = std::make_unique<TApplicationWindows>(options);
        QObject::connect(w().Form4, &TForm4::statusChanged,
                         [this](const QString& text) { SplashTexts << text; });
        guideWatch_.setInterval(10);
        QObject::connect(&guideWatch_, &QTimer::timeout, [this] {
            if (!w().Form11->isVisible()) return;
            ++GuideOpenings;
            w().Form11->Button1Click();
        });
        guideWatch_.start();
        QTRY_VERIFY_WITH_TIMEOUT(w().Form1->isVisible() || w().Form1->Closing(), 20000);
    }

    // For tests that open the guide themselves.
    void StopGuideWatch() { guideWatch_.stop(); }

    const TAppWindows& w() const { return windows_->Windows(); }
    TForm1& Main() const { return *w().Form1; }

    ScriptedUi Ui;
    QStringList SplashTexts;
    int GuideOpenings = 0;

private:
    TempDir dir_;
    QTimer guideWatch_;
    std::unique_ptr<TApplicationWindows> windows_;
};

// A price as a quote file writes it, with a "." whatever the C library's
// numeric locale (std::to_string would follow it).
inline std::string PriceText(double price) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, price);
    return std::string(text, ec == std::errc() ? end : text);
}

// A quote line for `symbol` named `name` on day `day` of January 2024.
inline std::string Quote(const std::string& symbol, const std::string& name, int day,
                         double close = 10.0) {
    char date[16];
    std::snprintf(date, sizeof date, "%02d012024", day);
    return symbol + "," + name + "," + date + "," + PriceText(close) + "," + PriceText(close + 1) +
           "," + PriceText(close - 1) + "," + PriceText(close) + ",1000\n";
}

// `days` quotes of one stock, from the 2nd of January on.
inline std::string Quotes(const std::string& symbol, const std::string& name, int days) {
    std::string text;
    for (int d = 0; d < days; ++d) text += Quote(symbol, name, 2 + d);
    return text;
}

} // namespace brevant::testing

// A Qt Test main with the program's own application object.
#define BREVANT_QTEST_MAIN(TestClass)                                                              \
    int main(int argc, char** argv) {                                                              \
        brevant::TApplication app(argc, argv);                                                     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
