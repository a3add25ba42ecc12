// Brevant Dira — the import's progress window.
#include "store/ui/progress_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/ui/store_host.h"

namespace brevant {

TForm3::TForm3(TStoreHost& host, QWidget* updateWindow, QWidget* parent)
    : QDialog(parent), host_(host), updateWindow_(updateWindow) {
    setWindowTitle("Entering Data Into Database...");
    // A tool window without title-bar buttons: only the button ends it.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(265, 123);
    // The update window is hidden while this one is up; the main window must
    // stay out of reach all the same.
    setWindowModality(Qt::ApplicationModal);
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
    Button1 = new QPushButton("Done", this);
    Button1->setVisible(false);
    // Keeps its place while hidden so that the window does not jump.
    QSizePolicy policy = Button1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Button1->setSizePolicy(policy);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::BeginImport() {
    Label5->clear();
    Label6->clear();
    Button1->setText("Cancel");
    Button1->setVisible(true);
    show();
    raise();
}

void TForm3::Button1Click() {
    if (Button1->text() == "Cancel") {
        host_.StopRequest() = true;
    } else if (Button1->text() == "Complete") {
        hide();
        updateWindow_->show();
    }
}

void TForm3::closeEvent(QCloseEvent* event) {
    // Only "Complete" ends the window; the window manager's close is ignored.
    event->ignore();
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    // Escape would reject the dialog behind the import's back.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

} // namespace brevant
