// Brevant Dira — "Indicator Periods...": the fifteen stored periods, edited
// within their ranges, set back to the defaults and saved.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "ta/indicator_params.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace brevant {

// Beside the specified setting dialog, which only shows the periods: this
// one changes them. Each showing starts from the program's periods as they
// are; "Save" hands the edited ones to `save`, which stores them and puts
// them to use, and closes unless `save` says what went wrong (shown in the
// dialog, which stays open with the edits). "Default" puts the defaults into
// the edits (stored only by "Save"); "Cancel" closes without storing.
class TIndicatorPeriodsWindow : public QDialog {
    Q_OBJECT
public:
    using SaveParams = std::function<std::string(const TIndicatorParams&)>;
    TIndicatorPeriodsWindow(const TIndicatorParams& params, SaveParams save,
                            QWidget* parent = nullptr);

    // The edit of a period, by its key ("RSI"); nullptr for another name.
    QSpinBox* Edit(std::string_view key) const;
    // The periods as the edits hold them.
    TIndicatorParams Edited() const;

    QPushButton* SaveButton = nullptr;
    QPushButton* DefaultButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* ErrorLabel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Show(const TIndicatorParams& params);
    void SaveClick();

    const TIndicatorParams& params_;
    SaveParams save_;
    std::array<QSpinBox*, 15> edits_{};
};

} // namespace brevant
