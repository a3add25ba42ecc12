// Brevant Dira — the indicator setting dialog; its spin edits come next.
#pragma once

#include <QDialog>

namespace brevant {

class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);
};

} // namespace brevant
