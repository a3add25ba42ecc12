// Brevant Dira — the filter dialog; its filters and the screening run come next.
#include "screen/ui/filter_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace brevant {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Filter Database");
    setFixedSize(546, 421);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Select your scanner option and press SCAN NOW.", this));
    layout->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

} // namespace brevant
