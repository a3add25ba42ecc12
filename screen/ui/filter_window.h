// Brevant Dira — the filter dialog; its filters and the screening run come next.
#pragma once

#include <QDialog>

namespace brevant {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

} // namespace brevant
