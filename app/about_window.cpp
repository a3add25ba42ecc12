// Brevant Dira — the about box.
#include "app/about_window.h"

#include <QLabel>
#include <QPushButton>

#include "app/artwork.h"
#include "app/version.h"

namespace brevant {
namespace {

QLabel* WhiteLabel(const QString& text, int top, int pixelSize, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f("Arial");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    label->setContentsMargins(3, 1, 3, 1);
    label->move(158, top);
    label->adjustSize();
    return label;
}

} // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(400, 250);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(244, 243, 242));
    setPalette(grey);
    auto* picture = new QLabel(this);
    picture->setGeometry(0, 0, 400, 250);
    picture->setPixmap(AboutPicture());
    WhiteLabel("Brevant Dira", 67, 16, true, this);
    WhiteLabel(QString("Version: ") + kVersion, 96, 11, false, this);
    WhiteLabel("Brevant + Historical Stock Data", 184, 11, false, this);
    Button1 = new QPushButton("Close", this);
    Button1->setGeometry(400 - 75 - 10, 250 - 22 - 10, 75, 22);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

void TForm6::Button1Click() {
    accept();
}

} // namespace brevant
