// Brevant Dira — an integer field whose limits apply when the user leaves it.
#include "screen/ui/spin_edit.h"

#include <algorithm>

namespace brevant {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setAccelerated(true);
}

TSpinEdit::TSpinEdit(const FilterValueRange& range, QWidget* parent) : TSpinEdit(parent) {
    setRange(range.min, range.max);
    setValue(range.defaultValue);
}

QValidator::State TSpinEdit::validate(QString& text, int& /*pos*/) const {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == "-" || t == "+") return QValidator::Intermediate;
    bool ok = false;
    const long long v = t.toLongLong(&ok);
    if (!ok) return QValidator::Invalid;
    // Out of range is only unfinished: fixup() cuts it when the field is left.
    return v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TSpinEdit::fixup(QString& text) const {
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    if (!ok) {
        text = QString::number(value());
        return;
    }
    text = QString::number(std::clamp<long long>(v, minimum(), maximum()));
}

} // namespace brevant
