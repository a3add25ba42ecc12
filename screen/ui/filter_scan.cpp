// Brevant Dira — "Scan Now!": the filter dialog starts a screening run.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include "screen/scan_run.h"
#include "screen/ui/filter_window.h"
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
// all the eye and the hand can tell, instead of after every stock.
class MessagePump {
public:
    void Breathe() {
        if (since_.isValid() && since_.elapsed() < kIntervalMs) return;
        ProcessMessages();
        since_.start();
    }
    bool Due() const { return !since_.isValid() || since_.elapsed() >= kIntervalMs; }

private:
    static constexpr int kIntervalMs = 20;
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
    if (FilterSelected()) {
        ui::Ui().ShowMessage(this, kScanNoFilterMessage);
        return;
    }

    host_.BeginScan();
    form5_->BeginRun();
    hide();
    ProcessMessages();

    std::vector<std::string> list;
    list.reserve(std::size_t(stocks.size()));
    for (const QString& text : stocks) list.push_back(ui::ToLatin1(text));
    MessagePump pump;
    ScanCallbacks cb;
    cb.processMessages = [&pump] { pump.Breathe(); };
    cb.stopRequested = [this] { return form5_->StopRequested(); };
    cb.passed = [this](const std::string& text) { host_.AddScanResult(ui::FromLatin1(text)); };
    cb.progress = [this, &pump](const ScanCounters& c) {
        // The labels follow the pump; the last counts are shown at the end.
        if (pump.Due()) form5_->ShowProgress(c);
    };
    cb.insufficientChanged = [this](const std::string& count) {
        form5_->ShowInsufficientCount(QString::fromStdString(count));
    };
    const ScanResult result = brevant::RunScan(host_.Store(), list, host_.IndicatorParams(),
                                               Filters(), cb, &host_.BarCache());
    if (result.counters.processed > 0) form5_->ShowProgress(result.counters);

    form5_->EndRun();
    ProcessMessages();
    host_.EndScan();
    // A database error ends the run early; the user learns why instead of
    // taking the partial list for a complete one.
    if (result.outcome == ScanOutcome::Failed)
        ui::Ui().ShowMessage(form5_, QString::fromLocal8Bit(result.error.c_str()));
}

} // namespace brevant
