// Brevant Dira — the overlay dialog: moving averages and Bollinger bands over the prices.
#pragma once

#include <QDialog>
#include <functional>

#include "chart/chart_view.h"

class QCheckBox;
class QPushButton;

namespace brevant {

namespace ui {
class TClampingSpinEdit;
}

// The dialog's period fields: limits apply when the user leaves one.
using TPeriodSpinEdit = ui::TClampingSpinEdit;

// Created once and only hidden, so its controls hold the overlay settings for
// the whole run: they are the only store of them, and every reader asks
// Settings() at the moment it reads.
class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    // What "OK" does before the dialog closes: the main window's
    // CheckIndicator, then the filter dialog's SetIndicatorValue.
    void SetOkActions(std::function<void()> checkIndicator,
                      std::function<void()> setIndicatorValue);

    // The ticks and the spin edits' current values, changed and closed or not.
    OverlaySettings Settings() const;

    void Button1Click(); // "OK"
    void Button2Click(); // "Close"

    QCheckBox* CheckBox1 = nullptr; // moving average 1
    QCheckBox* CheckBox2 = nullptr; // moving average 2
    QCheckBox* CheckBox3 = nullptr; // moving average 3
    QCheckBox* CheckBox4 = nullptr; // Bollinger bands
    TPeriodSpinEdit* JvSpinEdit1 = nullptr;
    TPeriodSpinEdit* JvSpinEdit2 = nullptr;
    TPeriodSpinEdit* JvSpinEdit3 = nullptr;
    TPeriodSpinEdit* JvSpinEdit4 = nullptr; // Bollinger period
    TPeriodSpinEdit* JvSpinEdit5 = nullptr; // Bollinger width in standard deviations
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    std::function<void()> checkIndicator_, setIndicatorValue_;
};

} // namespace brevant
