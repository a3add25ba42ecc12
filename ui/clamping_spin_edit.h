// Brevant Dira — a whole-number field whose limits apply when the user leaves it.
#pragma once

#include <QSpinBox>

namespace brevant::ui {

// Any whole number may be typed; leaving the field (or Enter) cuts a value
// beyond a limit to that limit, and text that is no number brings the last
// value back. Plain QSpinBox refuses such keystrokes instead.
class TClampingSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    TClampingSpinEdit(int minimum, int maximum, int value, QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
};

} // namespace brevant::ui
