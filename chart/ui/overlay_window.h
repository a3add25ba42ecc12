// Brevant Dira — the overlay dialog; its check boxes and periods come next.
#pragma once

#include <QDialog>

namespace brevant {

class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);
};

} // namespace brevant
