// Brevant Dira — "Scan Now!": the filter dialog starts a screening run.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include "screen/scan_run.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/formula_page.h"
#include "screen/ui/scan_host.h"
#include "screen/ui/scan_progress_window.h"
#include "ui/clamping_spin_edit.h"
#include "ui/latin1.h"
#include "ui/user_interface.h"

namespace brevant {
namespace {

BarPeriod Period(const QComboBox* selector) {
    switch (selector->currentIndex()) {
    case 1:
        return BarPeriod::Weekly;
    case 2:
        return BarPeriod::Monthly;
    default:
        return BarPeriod::Daily;
    }
}

void ProcessMessages() {
    QApplication::processEvents();
}

// A run from memory screens thousands of stocks a second; the progress
// window repaints and "Stop" is noticed a few dozen times a second, which is
// all the eye and the hand can tell, instead of after every stock. The
// latest counters are written into the window just before each of those
// moments, so that every repaint shows where the run is.
class MessagePump {
public:
    explicit MessagePump(TForm5& progress) : progress_(progress) {}

    void Report(const ScanCounters& counters) {
        latest_ = counters;
        unshown_ = true;
    }
    void Breathe() {
        if (since_.isValid() && since_.elapsed() < kIntervalMs) return;
        ShowLatest();
        ProcessMessages();
        since_.start();
    }
    void ShowLatest() {
        if (unshown_) progress_.ShowProgress(latest_);
        unshown_ = false;
    }

private:
    static constexpr int kIntervalMs = 20;
    TForm5& progress_;
    ScanCounters latest_;
    bool unshown_ = false;
    QElapsedTimer since_;
};

// Set while a run lasts: a second "Scan Now!" (the second click of a
// double click, delivered while the first run lets messages through) must
// not start a run inside it.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

std::vector<std::string> Latin1List(const QStringList& stocks) {
    std::vector<std::string> list;
    list.reserve(std::size_t(stocks.size()));
    for (const QString& text : stocks) list.push_back(ui::ToLatin1(text));
    return list;
}

} // namespace

ScanFilters TForm2::Filters() const {
    ScanFilters f;
    f.movingAverage = Basic.CheckBox1->isChecked();
    f.maPeriod1 = Basic.SpinEdit1->value();
    f.maPeriod2 = Basic.SpinEdit2->value();
    f.maDays = Basic.SpinEdit3->value();
    f.maPeriod = Period(Basic.ComboBox11);
    f.macd = Basic.CheckBox2->isChecked();
    f.macdDays = Basic.SpinEdit4->value();
    f.macdPeriod = Period(Basic.ComboBox12);
    f.rsi = Basic.CheckBox3->isChecked();
    f.rsiDirection = Basic.ComboBox10->currentIndex();
    f.rsiLevel = Basic.SpinEdit5->value();
    f.rsiDays = Basic.SpinEdit6->value();
    f.rsiPeriod = Period(Basic.ComboBox13);
    f.volume = Basic.CheckBox4->isChecked();
    f.volumeThreshold = Basic.SpinEdit7->value();
    f.volumePeriod = Period(Basic.ComboBox15);
    return f;
}

void TForm2::RunScan() {
    // One run at a time; while "Complete" waits, the dialog is hidden and
    // only a click queued before it went can reach it.
    if (running_ || (form5_ && form5_->isVisible())) return;
    const RunningFlag running(running_);
    const QStringList stocks = host_.StockListItems();
    if (stocks.isEmpty()) {
        ui::Ui().ShowMessage(this, kScanEmptyDatabaseMessage);
        ClearAllFilter();
        return;
    }
    const bool formula = FormulaPage->FormulaCheck->isChecked();
    if (FilterSelected() && !formula) {
        ui::Ui().ShowMessage(this, kScanNoFilterMessage);
        return;
    }
    ScanFilters filters = Filters();
    if (formula) {
        filters.formula = FormulaPage->CheckedFormula();
        if (!filters.formula) {
            PageControl2->setCurrentWidget(FormulaPage);
            ui::Ui().ShowMessage(this, "The formula has a fault; it is shown under the formula.");
            return;
        }
        filters.formulaPeriod = FormulaPage->Period();
    }
    const std::vector<std::string> list = Latin1List(stocks);
    RunWithProgress([&](ScanCallbacks& cb) {
        cb.passed = [this](const std::string& text) { host_.AddScanResult(ui::FromLatin1(text)); };
        cb.insufficientChanged = [this](const std::string& count) {
            form5_->ShowInsufficientCount(QString::fromStdString(count));
        };
        const ScanResult r = brevant::RunScan(host_.Store(), list, host_.IndicatorParams(), filters,
                                              cb, &host_.BarCache());
        return RunEnd{r.outcome, r.error, r.counters};
    });
}

void TForm2::RunTickedScreens() {
    if (running_ || (form5_ && form5_->isVisible())) return;
    const RunningFlag running(running_);
    const std::vector<SavedScreen> saved = FormulaPage->TickedScreens();
    if (saved.empty()) {
        ui::Ui().ShowMessage(this, "Tick the saved screens to scan together.");
        return;
    }
    const QStringList stocks = host_.StockListItems();
    if (stocks.isEmpty()) {
        ui::Ui().ShowMessage(this, kScanEmptyDatabaseMessage);
        return;
    }
    std::vector<ScanFilters> screens;
    for (const SavedScreen& s : saved) {
        ScanFilters f;
        try {
            f.formula = ParseFormula(s.formula);
        } catch (const std::exception& e) {
            ui::Ui().ShowMessage(this, "The saved screen \"" + ui::FromLatin1(s.name) +
                                           "\" cannot run: " + ui::FromLatin1(e.what()));
            return;
        }
        f.formulaPeriod = s.period;
        screens.push_back(f);
    }
    const std::vector<std::string> list = Latin1List(stocks);
    RunWithProgress([&](ScanCallbacks& cb) {
        const ScreensResult r = RunScreens(host_.Store(), list, host_.IndicatorParams(), screens,
                                           cb, &host_.BarCache());
        // Each screen under a line naming it, as the command line lists them.
        ScanCounters total;
        for (std::size_t s = 0; s < r.screens.size(); ++s) {
            const ScanResult& one = r.screens[s];
            host_.AddScanResult(QString("# %1 (%2)")
                                    .arg(ui::FromLatin1(saved[s].name))
                                    .arg(one.counters.successful));
            for (const std::string& text : one.passed) host_.AddScanResult(ui::FromLatin1(text));
            total.processed = one.counters.processed;
            total.total = one.counters.total;
        }
        return RunEnd{r.outcome, r.error, total};
    });
}

void TForm2::RunWithProgress(const std::function<RunEnd(ScanCallbacks&)>& run) {
    host_.BeginScan();
    form5_->BeginRun();
    hide();
    ProcessMessages();

    MessagePump pump(*form5_);
    ScanCallbacks cb;
    cb.processMessages = [&pump] { pump.Breathe(); };
    cb.stopRequested = [this] { return form5_->StopRequested(); };
    cb.progress = [&pump](const ScanCounters& c) { pump.Report(c); };
    const RunEnd end = run(cb);
    if (end.counters.processed > 0) pump.Report(end.counters);
    pump.ShowLatest();

    form5_->EndRun();
    ProcessMessages();
    host_.EndScan();
    // A database error ends the run early; the user learns why instead of
    // taking the partial list for a complete one.
    if (end.outcome == ScanOutcome::Failed)
        ui::Ui().ShowMessage(form5_, QString::fromLocal8Bit(end.error.c_str()));
}

} // namespace brevant
