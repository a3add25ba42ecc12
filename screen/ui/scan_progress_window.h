// Brevant Dira — the screening run's progress window.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace brevant {

struct ScanCounters;

// Its button carries the run's state in its caption: "Stop" asks the run to
// end after the current stock, "Complete" hides this window and brings the
// filter dialog back.
class TForm5 : public QDialog {
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
    // The run is over: button "Complete".
    void EndRun();
    bool StopRequested() const { return StopRequested_; }

    void Button1Click();

    QLabel* Label2 = nullptr; // "Total Stock:"
    QLabel* Label5 = nullptr; // "Successful :"
    QLabel* Label7 = nullptr; // "Unsuccessful:"
    QLabel* Label9 = nullptr; // "Insufficient Data:", written by the filters
    QPushButton* Button1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* filterWindow_ = nullptr;
    bool StopRequested_ = false;
};

} // namespace brevant
