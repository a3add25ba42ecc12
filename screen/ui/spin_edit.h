// Brevant Dira — an integer field whose limits apply when the user leaves it.
#pragma once

#include <QSpinBox>

#include "screen/scan_settings.h"

namespace brevant {

// Any whole number may be typed; leaving the field (or Enter) cuts a value
// beyond a limit to that limit. Text that is no number brings the last value
// back.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);
    TSpinEdit(const FilterValueRange& range, QWidget* parent);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
};

} // namespace brevant
