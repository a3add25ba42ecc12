// Brevant Dira — the about box.
#pragma once

#include <QDialog>

class QPushButton;

namespace brevant {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    void Button1Click(); // "Close"

    QPushButton* Button1 = nullptr;
};

} // namespace brevant
