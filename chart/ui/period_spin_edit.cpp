// Brevant Dira — a whole-number field whose limits apply when the user leaves it.
#include "chart/ui/period_spin_edit.h"

#include <algorithm>

namespace brevant {

TPeriodSpinEdit::TPeriodSpinEdit(int minimum, int maximum, int value, QWidget* parent)
    : QSpinBox(parent) {
    setRange(minimum, maximum);
    setValue(value);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State TPeriodSpinEdit::validate(QString& text, int& /*pos*/) const {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == "-" || t == "+") return QValidator::Intermediate;
    bool ok = false;
    const long long v = t.toLongLong(&ok);
    if (!ok) return QValidator::Invalid;
    // Out of range is only unfinished: fixup() crops it when the field is left.
    return v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TPeriodSpinEdit::fixup(QString& text) const {
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    text = ok ? QString::number(std::clamp<long long>(v, minimum(), maximum()))
              : QString::number(value());
}

} // namespace brevant
