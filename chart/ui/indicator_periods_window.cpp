// Brevant Dira — "Indicator Periods...": the fifteen stored periods edited.
#include "chart/ui/indicator_periods_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ta/indicator_ranges.h"

namespace brevant {
namespace {

// What each period is, in the order of the keys.
const char* const kMeanings[15] = {
    "MACD fast average",
    "MACD slow average",
    "MACD signal line",
    "Relative Strength Index",
    "Commodity Channel Index",
    "Money Flow Index",
    "Williams %R",
    "Wilder's ADX",
    "Fast Stochastic",
    "Fast Stochastic smooth",
    "Slow Stochastic",
    "Slow Stochastic smooth",
    "Chaikin Money Flow",
    "Rate Of Change",
    "Average True Range",
};

} // namespace

TIndicatorPeriodsWindow::TIndicatorPeriodsWindow(const TIndicatorParams& params, SaveParams save,
                                                 QWidget* parent)
    : QDialog(parent), params_(params), save_(std::move(save)) {
    setWindowTitle("Indicator Periods");
    setObjectName("IndicatorPeriods");
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kIndicatorParamKeys.size(); ++i) {
        const IndicatorParamKey& k = kIndicatorParamKeys[i];
        const IndicatorRange range = RangeOfIndicatorParam(k.key);
        auto* edit = new QSpinBox(this);
        edit->setObjectName(QString::fromLatin1(k.key.data(), qsizetype(k.key.size())));
        edit->setRange(range.minimum, range.maximum);
        edit->setMinimumWidth(64);
        const int row = int(i);
        grid->addWidget(new QLabel(QString::fromLatin1(kMeanings[i]) + ":", this), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(QString("%1 to %2, default %3")
                                       .arg(range.minimum)
                                       .arg(range.maximum)
                                       .arg(DefaultIndicatorParams().*k.member),
                                   this),
                        row, 2);
        edits_[i] = edit;
    }
    layout->addLayout(grid);
    ErrorLabel = new QLabel(this);
    ErrorLabel->setStyleSheet("color: #c00000");
    ErrorLabel->hide();
    layout->addWidget(ErrorLabel);
    auto* buttons = new QHBoxLayout;
    DefaultButton = new QPushButton("Default", this);
    SaveButton = new QPushButton("Save", this);
    CancelButton = new QPushButton("Cancel", this);
    buttons->addWidget(DefaultButton);
    buttons->addStretch(1);
    buttons->addWidget(SaveButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    SaveButton->setDefault(true);
    connect(DefaultButton, &QPushButton::clicked, this, [this] { Show(DefaultIndicatorParams()); });
    connect(SaveButton, &QPushButton::clicked, this, &TIndicatorPeriodsWindow::SaveClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QSpinBox* TIndicatorPeriodsWindow::Edit(std::string_view key) const {
    for (std::size_t i = 0; i < kIndicatorParamKeys.size(); ++i)
        if (kIndicatorParamKeys[i].key == key) return edits_[i];
    return nullptr;
}

TIndicatorParams TIndicatorPeriodsWindow::Edited() const {
    TIndicatorParams p;
    for (std::size_t i = 0; i < kIndicatorParamKeys.size(); ++i)
        p.*kIndicatorParamKeys[i].member = edits_[i]->value();
    return p;
}

void TIndicatorPeriodsWindow::Show(const TIndicatorParams& params) {
    for (std::size_t i = 0; i < kIndicatorParamKeys.size(); ++i)
        edits_[i]->setValue(params.*kIndicatorParamKeys[i].member);
}

void TIndicatorPeriodsWindow::showEvent(QShowEvent* event) {
    Show(params_);
    ErrorLabel->hide();
    QDialog::showEvent(event);
}

void TIndicatorPeriodsWindow::SaveClick() {
    // An edit still being typed in holds its text until it is read.
    for (QSpinBox* edit : edits_) edit->interpretText();
    const TIndicatorParams edited = Edited();
    std::string error = IndicatorParamsError(edited);
    if (error.empty()) error = save_(edited);
    if (error.empty()) {
        accept();
        return;
    }
    ErrorLabel->setText(QString::fromStdString(error));
    ErrorLabel->show();
}

} // namespace brevant
