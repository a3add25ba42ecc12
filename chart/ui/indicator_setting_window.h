// Brevant Dira — the indicator setting dialog: the fifteen stored periods, shown, not edited.
#pragma once

#include <QDialog>
#include <array>

#include "ta/indicator_params.h"

class QPushButton;
class QSpinBox;
class QTabWidget;

namespace brevant {

// Shows the main window's indicator parameters, refreshed on every showing;
// it writes nothing back. Its spin edits and "Save", "Cancel" and "Default"
// stay disabled: only "Close" acts.
class TForm12 : public QDialog {
    Q_OBJECT
public:
    // `params` is the main window's own copy, read each time the dialog shows.
    explicit TForm12(const TIndicatorParams& params, QWidget* parent = nullptr);

    void FormShow();
    void Button3Click(); // "Close" and "Cancel"

    // JvSpinEdit1 .. JvSpinEdit15, in the order MACD1, MACD2, MACD3, RSI, CCI,
    // MFI, WR, ADX, FSTOC1, FSTOC2, SSTOC1, SSTOC2, CMF, ROC, ATR.
    QSpinBox* JvSpinEdit(int number) const { return spinEdits_.at(std::size_t(number - 1)); }

    QTabWidget* PageControl1 = nullptr;
    QPushButton* Button1 = nullptr; // "Save"
    QPushButton* Button2 = nullptr; // "Default"
    QPushButton* Button3 = nullptr; // "Cancel"
    QPushButton* Button4 = nullptr; // "Close"

protected:
    void showEvent(QShowEvent* event) override;

private:
    const TIndicatorParams& params_;
    std::array<QSpinBox*, 15> spinEdits_{};
};

} // namespace brevant
