// Brevant Dira — the first-time guide: how to fill the empty database.
#include "app/first_time_guide.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/ui_base/product.h"
#include "store/ui/update_window.h"

namespace brevant {
namespace {

constexpr int kPictureWidth = 360;

// A picture of `source` fitted into width × height, with a thin frame.
QPixmap Shot(QWidget* source, const QRect& part, int height) {
    source->ensurePolished();
    if (source->layout()) source->layout()->activate();
    const QPixmap whole = source->grab(part);
    QPixmap picture(kPictureWidth, height);
    picture.fill(QColor(244, 243, 242));
    QPainter p(&picture);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap fitted =
        whole.scaled(kPictureWidth - 2, height - 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawPixmap((kPictureWidth - fitted.width()) / 2, (height - fitted.height()) / 2, fitted);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(0, 0, kPictureWidth - 1, height - 1);
    return picture;
}

// Marks `target` (in picture coordinates) with a red ring.
void Ring(QPixmap& picture, const QRectF& target) {
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 30, 30), 2));
    p.drawEllipse(target.adjusted(-4, -3, 4, 3));
}

QPixmap ToolBarPicture(TForm1* form1) {
    QToolBar* bar = form1->ToolBar1;
    bar->resize(bar->sizeHint());
    const int right = form1->SpeedButton4->geometry().right() + 4;
    QRect part(0, 0, std::min(right, bar->width()), bar->height());
    QPixmap picture = Shot(bar, part, 33);
    // Where the update button ended up in the fitted picture.
    const double scale = std::min((kPictureWidth - 2.0) / part.width(), 31.0 / part.height());
    const double offsetX = (kPictureWidth - part.width() * scale) / 2;
    const double offsetY = (33 - part.height() * scale) / 2;
    const QRect button = form1->SpeedButton2->geometry();
    Ring(picture, QRectF(offsetX + button.x() * scale, offsetY + button.y() * scale,
                         button.width() * scale, button.height() * scale));
    return picture;
}

// A sketch of the download page of the product web site.
QPixmap DownloadPicture() {
    QPixmap picture(kPictureWidth, 52);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, kPictureWidth, 14, QColor(0, 56, 113));
    QFont small("DejaVu Sans");
    small.setPixelSize(9);
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(QRect(6, 0, kPictureWidth - 12, 14), Qt::AlignVCenter,
               QString(ui::kProductHost) + "/StockExchange/Nasdaq.html");
    p.setPen(Qt::black);
    p.drawText(QRect(8, 18, 200, 30), Qt::AlignVCenter, "NASDAQ - End of Day Data");
    const QRect button(228, 20, 120, 24);
    p.setBrush(QColor(159, 204, 78));
    p.setPen(QColor(90, 130, 40));
    p.drawRoundedRect(button, 4, 4);
    QFont bold = small;
    bold.setBold(true);
    bold.setPixelSize(10);
    p.setFont(bold);
    p.setPen(Qt::white);
    p.drawText(button, Qt::AlignCenter, "Download EOD Data");
    p.setPen(QColor(160, 160, 160));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kPictureWidth - 1, 51);
    return picture;
}

QLabel* StepText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QLabel* Picture(const QPixmap& pixmap, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
    return label;
}

} // namespace

TForm11::TForm11(TForm1* mainWindow, TForm8* updateWindow, QWidget* parent) : QDialog(parent) {
    setWindowTitle("First Time Installation - How to Update Database");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(390, 578);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 8, 14, 8);
    column->setSpacing(3);

    updateWindow->ensurePolished();
    updateWindow->layout()->activate();
    const auto groups = updateWindow->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);

    column->addWidget(StepText("STEP 1: Click on the UPDATE DATABASE button", this));
    column->addWidget(Picture(ToolBarPicture(mainWindow), this));
    column->addSpacing(4);
    column->addWidget(
        StepText("STEP 2: Select a Stock Exchange and click on its name, eg. NASDAQ", this));
    column->addWidget(Picture(Shot(groups.value(1), groups.value(1)->rect(), 175), this));
    column->addSpacing(4);
    column->addWidget(StepText("STEP 3: Download EOD Data from our website", this));
    column->addWidget(Picture(DownloadPicture(), this));
    column->addSpacing(4);
    column->addWidget(StepText("STEP 4: Unzip the file. In UPDATE DATABASE window press "
                               "BROWSE,\nand select the text file that were unzipped earlier and "
                               "press UPDATE.",
                               this));
    column->addWidget(Picture(Shot(groups.value(0), groups.value(0)->rect(), 190), this));
    column->addStretch(1);
    Button1 = new QPushButton("Close", this);
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
}

void TForm11::Button1Click() { accept(); }

} // namespace brevant
