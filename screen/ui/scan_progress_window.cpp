// Brevant Dira — the screening run's progress window.
#include "screen/ui/scan_progress_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "screen/scan_run.h"

namespace brevant {

TForm5::TForm5(QWidget* parent) : TProgressWindow("Filtering Database...", "Stop", "Stop", parent) {
    setFixedSize(210, 188);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(new QLabel("Please wait a moment...", this));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    const char* captions[] = {
        "Total Stock:", "Successful :", "Unsuccessful:", "Insufficient Data:"};
    QLabel** values[] = {&Label2, &Label5, &Label7, &Label9};
    const char* placeholders[] = {"Label2", "Label5", "Label7", "Label9"};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(captions[row], this), row, 0);
        *values[row] = new QLabel(placeholders[row], this);
        (*values[row])->setObjectName(placeholders[row]);
        grid->addWidget(*values[row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* note = new QLabel("Some filters require more Data (Historical Stock Prices) than "
                            "others. Generally you will need at least 3 months data for most "
                            "filters to work.",
                            this);
    note->setWordWrap(true);
    QFont small = note->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    note->setFont(small);
    layout->addWidget(note, 1);

    Button1->setAutoDefault(false);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
}

void TForm5::BeginRun() {
    StopRequested_ = false;
    StartRunning();
    // No stock is short of data yet; an old run's counts would mislead.
    Label2->clear();
    Label5->clear();
    Label7->clear();
    Label9->setText("0");
    show();
    raise();
}

void TForm5::ShowProgress(const ScanCounters& c) {
    Label2->setText(QString::number(c.processed) + " from " + QString::number(c.total));
    Label5->setText(QString::number(c.successful));
    Label7->setText(QString::number(c.unsuccessful));
}

void TForm5::ShowInsufficientCount(const QString& count) {
    Label9->setText(count);
}

void TForm5::EndRun() {
    ShowComplete();
}

void TForm5::StopClicked() {
    StopRequested_ = true;
}

void TForm5::CompleteClicked() {
    if (filterWindow_) filterWindow_->show();
    hide();
}

} // namespace brevant
