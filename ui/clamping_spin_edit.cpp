// Brevant Dira — a whole-number field whose limits apply when the user leaves it.
#include "ui/clamping_spin_edit.h"

#include <algorithm>

namespace brevant::ui {

TClampingSpinEdit::TClampingSpinEdit(int minimum, int maximum, int value, QWidget* parent)
    : QSpinBox(parent) {
    setRange(minimum, maximum);
    setValue(value);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State TClampingSpinEdit::validate(QString& text, int& /*pos*/) const {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == "-" || t == "+") return QValidator::Intermediate;
    bool ok = false;
    const long long v = t.toLongLong(&ok);
    if (!ok) return QValidator::Invalid;
    // Out of range is only unfinished: fixup() cuts it when the field is left.
    return v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TClampingSpinEdit::fixup(QString& text) const {
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    text = ok ? QString::number(std::clamp<long long>(v, minimum(), maximum()))
              : QString::number(value());
}

} // namespace brevant::ui
