// Brevant Dira — the import's progress window.
#include "store/ui/progress_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/ui/store_host.h"

namespace brevant {

TForm3::TForm3(TStoreHost& host, QWidget* updateWindow, QWidget* parent)
    : TProgressWindow("Entering Data Into Database...", "Done", "Cancel", parent), host_(host),
      updateWindow_(updateWindow) {
    setFixedSize(265, 123);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    auto* group = new QGroupBox(" Database ", this);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel("Please wait for a moment.....", group), 0, 0, 1, 2);
    grid->addWidget(new QLabel("Processing:", group), 1, 0, 1, 2);
    grid->addWidget(new QLabel("Number Of Files Processed:", group), 2, 0);
    grid->addWidget(new QLabel("Number Of Lines Processed:", group), 3, 0);
    Label5 = new QLabel(group);
    Label6 = new QLabel(group);
    grid->addWidget(Label5, 2, 1);
    grid->addWidget(Label6, 3, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);
    Button1->setVisible(false);
    // Keeps its place while hidden so that the window does not jump.
    QSizePolicy policy = Button1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Button1->setSizePolicy(policy);
    layout->addWidget(Button1, 0, Qt::AlignRight);
}

void TForm3::BeginImport() {
    Label5->clear();
    Label6->clear();
    StartRunning();
    Button1->setVisible(true);
    show();
    raise();
}

void TForm3::ShowFileNumber(int number) {
    Label5->setText(QString::number(number));
}

void TForm3::ShowLineNumber(long number) {
    Label6->setText(QString::number(number));
}

void TForm3::ShowFinishingFile() {
    ShowBusy("Please wait...");
}

void TForm3::ShowOrganizing() {
    ShowBusy("Organizing Data..");
}

void TForm3::EndImport() {
    ShowComplete();
}

void TForm3::StopClicked() {
    host_.StopRequest() = true;
}

void TForm3::CompleteClicked() {
    hide();
    updateWindow_->show();
}

} // namespace brevant
