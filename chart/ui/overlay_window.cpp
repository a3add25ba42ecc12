// Brevant Dira — the overlay dialog; its check boxes and periods come next.
#include "chart/ui/overlay_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace brevant {

TForm13::TForm13(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Overlay Indicator");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Please choose one or more Overlay Indicator (s).", this));
    layout->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

} // namespace brevant
