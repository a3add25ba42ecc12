// Brevant Dira — the screening run's progress window.
#pragma once

#include "ui/progress_window.h"

class QLabel;

namespace brevant {

struct ScanCounters;

// Its button reads "Stop" while the run goes on and asks the run to end after
// the current stock; "Complete" hides this window and brings the filter
// dialog back.
class TForm5 : public ui::TProgressWindow {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // The filter dialog exists only before this one (creation order).
    void SetFilterWindow(QWidget* form2) { filterWindow_ = form2; }

    // Shows the window for a new run: button "Stop", no stop requested,
    // counters empty and nothing short of data yet.
    void BeginRun();
    // The counters after one more stock.
    void ShowProgress(const ScanCounters& counters);
    // The stocks short of data so far, as the filters count them.
    void ShowInsufficientCount(const QString& count);
    // The run is over: button "Complete".
    void EndRun();
    bool StopRequested() const { return StopRequested_; }

    QLabel* Label2 = nullptr; // "Total Stock:"
    QLabel* Label5 = nullptr; // "Successful :"
    QLabel* Label7 = nullptr; // "Unsuccessful:"
    QLabel* Label9 = nullptr; // "Insufficient Data:"

protected:
    void StopClicked() override;
    void CompleteClicked() override;

private:
    QWidget* filterWindow_ = nullptr;
    bool StopRequested_ = false;
};

} // namespace brevant
