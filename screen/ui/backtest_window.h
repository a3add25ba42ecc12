// Brevant Dira — the "Back-test" window: a formula screen as of each of the
// last days, with the table of figures and the plot of its picks against the
// market, saved as CSV or as a picture on request.
#pragma once

#include <QDialog>
#include <memory>

#include "screen/backtest.h"

class QCustomPlot;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace brevant {

class TScanHost;
namespace ui {
class TClampingSpinEdit;
}

class TBacktestWindow : public QDialog {
    Q_OBJECT
public:
    TBacktestWindow(TScanHost& host, QWidget* parent = nullptr);

    // Shows the window for this formula; the figures wait for "Run".
    void Open(std::shared_ptr<const Formula> formula, BarPeriod period);

    void RunButtonClick();     // "Run", or "Stop" while it runs
    void SaveCsvButtonClick(); // "Save CSV..."
    void SavePngButtonClick(); // "Save Picture..."
    void HelpButtonClick();    // "Help"

    QLabel* FormulaLabel = nullptr;
    ui::TClampingSpinEdit* DaysEdit = nullptr; // days, 1 to 1000
    QLineEdit* HoldsEdit = nullptr;            // "1,5,20"
    QPushButton* RunButton = nullptr;
    QPushButton* SaveCsvButton = nullptr;
    QPushButton* SavePngButton = nullptr;
    QPushButton* HelpButton = nullptr; // the page "Backtest"
    QLabel* StatusLabel = nullptr;
    QTableWidget* FiguresTable = nullptr; // one row per hold
    QCustomPlot* Plot = nullptr;

private:
    bool ReadHolds(std::vector<int>& holds);
    void ShowFigures();

    TScanHost& host_;
    BacktestSettings settings_;
    std::vector<std::string> stocks_; // the list the figures' stock numbers point into
    std::unique_ptr<BacktestFigures> figures_;
    bool running_ = false, stop_ = false;
};

} // namespace brevant
