// Brevant Dira — the manual split and dividend entry, shown but not active.
#pragma once

#include <QDialog>

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

namespace brevant {

// Every input is disabled: the program records actions only from quote
// files. "Cancel" is the one control that acts.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    void Button3Click(); // "Cancel"

    QComboBox* ComboBox1 = nullptr;
    QDateEdit* JvDateTimePicker1 = nullptr;
    QSpinBox* JvSpinEdit1 = nullptr;
    QSpinBox* JvSpinEdit2 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QDateEdit* JvDateTimePicker3 = nullptr;
    QDoubleSpinBox* JvSpinEdit4 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

private:
    void setupSplitGroup();
    void setupDividendGroup();
};

} // namespace brevant
