// Brevant Dira — "Scan Now!": the filter dialog starts a screening run.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
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

} // namespace

ScanFilters TForm2::Filters() const {
    ScanFilters f;
    f.movingAverage = CheckBox1->isChecked();
    f.maPeriod1 = SpinEdit1->value();
    f.maPeriod2 = SpinEdit2->value();
    f.maDays = SpinEdit3->value();
    f.maPeriod = Period(ComboBox11);
    f.macd = CheckBox2->isChecked();
    f.macdDays = SpinEdit4->value();
    f.macdPeriod = Period(ComboBox12);
    f.rsi = CheckBox3->isChecked();
    f.rsiDirection = ComboBox10->currentIndex();
    f.rsiLevel = SpinEdit5->value();
    f.rsiDays = SpinEdit6->value();
    f.rsiPeriod = Period(ComboBox13);
    f.volume = CheckBox4->isChecked();
    f.volumeThreshold = SpinEdit7->value();
    f.volumePeriod = Period(ComboBox15);
    return f;
}

void TForm2::RunScan() {
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
    ScanCallbacks cb;
    cb.processMessages = ProcessMessages;
    cb.stopRequested = [this] { return form5_->StopRequested(); };
    cb.passed = [this](const std::string& text) { host_.AddScanResult(ui::FromLatin1(text)); };
    cb.progress = [this](const ScanCounters& c) { form5_->ShowProgress(c); };
    cb.insufficientChanged = [this](const std::string& count) {
        form5_->ShowInsufficientCount(QString::fromStdString(count));
    };
    const ScanResult result =
        brevant::RunScan(host_.Store(), list, host_.IndicatorParams(), Filters(), cb);

    form5_->EndRun();
    ProcessMessages();
    host_.EndScan();
    // A database error ends the run early; the user learns why instead of
    // taking the partial list for a complete one.
    if (result.outcome == ScanOutcome::Failed)
        ui::Ui().ShowMessage(form5_, QString::fromLocal8Bit(result.error.c_str()));
}

} // namespace brevant
