// Brevant Dira — the indicator setting dialog; its spin edits come next.
#include "chart/ui/indicator_setting_window.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace brevant {

TForm12::TForm12(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Indicator Setting");
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

} // namespace brevant
