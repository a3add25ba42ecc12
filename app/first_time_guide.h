// Brevant Dira — the first-time guide: how to fill the empty database.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace brevant {

class TForm1;
class TForm8;

class TForm11 : public QDialog {
    Q_OBJECT
public:
    // The pictures are taken from the program's own tool bar and update window.
    TForm11(TForm1* mainWindow, TForm8* updateWindow, QWidget* parent = nullptr);

    void Button1Click(); // "Close"

    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Taken when the guide is shown, so that they show the windows as laid out.
    void TakePictures();

    TForm1* mainWindow_;
    TForm8* updateWindow_;
    QLabel* pictures_[4] = {};
};

} // namespace brevant
