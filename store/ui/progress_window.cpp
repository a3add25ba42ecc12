// Brevant Dira — the import's progress window.
#include "store/ui/progress_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/quote_import.h"
#include "store/ui/store_host.h"

namespace brevant {
namespace {

void SetTextIfChanged(QLabel* label, const QString& text) {
    // An unchanged text would still cost a relayout and a repaint.
    if (label->text() != text) label->setText(text);
}

} // namespace

TForm3::TForm3(TStoreHost& host, QWidget* updateWindow, QWidget* parent)
    : TProgressWindow("Entering Data Into Database...", "Done", "Cancel", parent), host_(host),
      updateWindow_(updateWindow) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    auto* group = new QGroupBox(" Database ", this);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel("Please wait for a moment.....", group), 0, 0, 1, 2);
    grid->addWidget(new QLabel("Processing:", group), 1, 0, 1, 2);
    Label7 = new QLabel(group);
    grid->addWidget(Label7, 2, 0, 1, 2);
    grid->addWidget(new QLabel("Number Of Files Processed:", group), 3, 0);
    grid->addWidget(new QLabel("Number Of Lines Processed:", group), 4, 0);
    grid->addWidget(new QLabel("File Layout:", group), 5, 0);
    Label5 = new QLabel(group);
    Label6 = new QLabel(group);
    Label8 = new QLabel(group);
    grid->addWidget(Label5, 3, 1);
    grid->addWidget(Label6, 4, 1);
    grid->addWidget(Label8, 5, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);
    Summary = new QPlainTextEdit(this);
    Summary->setReadOnly(true);
    Summary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Summary->setFixedHeight(110);
    Summary->setVisible(false);
    layout->addWidget(Summary, 1);
    Button1->setVisible(false);
    // Keeps its place while hidden so that the window does not jump.
    QSizePolicy policy = Button1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Button1->setSizePolicy(policy);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    FitSize();
}

void TForm3::FitSize() {
    // 265 x 123 for the counters, with room for the figures' row; wider at
    // the end, for what each file gave.
    layout()->activate();
    const QSize hint = layout()->sizeHint();
    const int width = Summary->isHidden() ? std::max(265, hint.width()) : 420;
    setFixedSize(width, std::max(123, hint.height()));
}

void TForm3::BeginImport() {
    Label5->clear();
    Label6->clear();
    Label7->clear();
    Label8->clear();
    Summary->clear();
    Summary->setVisible(false);
    FitSize();
    StartRunning();
    Button1->setVisible(true);
    show();
    raise();
}

void TForm3::ShowFileNumber(int number) {
    SetTextIfChanged(Label5, QString::number(number));
}

void TForm3::ShowFileLayout(const std::string& layout) {
    SetTextIfChanged(Label8, QString::fromStdString(layout));
}

void TForm3::ShowProgress(const ImportProgress& progress) {
    // A file that stored nothing leaves the line counter as it was.
    if (progress.FileLines > 0) SetTextIfChanged(Label6, QString::number(progress.FileLines));
    SetTextIfChanged(Label7, QString::fromStdString(ProgressFigures(progress)));
}

void TForm3::ShowFinishingFile() {
    ShowBusy("Please wait...");
}

void TForm3::ShowOrganizing() {
    ShowBusy("Organizing Data..");
}

void TForm3::EndImport(const std::vector<FileCounts>& files) {
    QStringList lines;
    for (const FileCounts& counts : files)
        lines << QString::fromLocal8Bit(FileSummary(counts).c_str());
    Summary->setPlainText(lines.join('\n'));
    Summary->setVisible(!files.empty());
    FitSize();
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
