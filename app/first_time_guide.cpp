// Brevant Dira — the first-time guide: how to fill the empty database.
#include "app/first_time_guide.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "store/ui/update_window.h"
#include "ui/product.h"

namespace brevant {
namespace {

constexpr int kPictureWidth = 360;

// `whole` fitted into width × height, with a thin frame.
QPixmap Shot(const QPixmap& whole, int height) {
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

// Where `target` lands in a picture that Shot made of `part` of a window.
QRectF InPicture(const QRect& part, int height, const QRect& target) {
    const double scale =
        std::min((kPictureWidth - 2.0) / part.width(), (height - 2.0) / part.height());
    const double offsetX = (kPictureWidth - part.width() * scale) / 2;
    const double offsetY = (height - part.height() * scale) / 2;
    return QRectF(offsetX + (target.x() - part.x()) * scale,
                  offsetY + (target.y() - part.y()) * scale, target.width() * scale,
                  target.height() * scale);
}

// Marks `target` (in picture coordinates) with a red ring.
void Ring(QPixmap& picture, const QRectF& target) {
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 30, 30), 2));
    p.drawEllipse(target.adjusted(-4, -3, 4, 3));
}

QPixmap ToolBarPicture(TForm1* form1) {
    const QPixmap bar = form1->Tools.ToolButtonsPicture();
    const QRect part(QPoint(0, 0), bar.deviceIndependentSize().toSize());
    QPixmap picture = Shot(bar, 33);
    Ring(picture, InPicture(part, 33, form1->Tools.ToolButtonRect("Update Database")));
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
    // "STEP n:" in bold, the rest plain, so that each step keeps to its lines.
    const qsizetype colon = text.indexOf(':') + 1;
    QString html = "<b>" + text.left(colon).toHtmlEscaped() + "</b>" +
                   text.mid(colon).toHtmlEscaped().replace("\n", "<br>");
    auto* label = new QLabel(html, parent);
    label->setTextFormat(Qt::RichText);
    // Arial's metrics keep each step within the guide's width.
    QFont f("Arial");
    f.setPixelSize(11);
    label->setFont(f);
    label->setWordWrap(true);
    return label;
}

QLabel* Picture(int height, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFixedSize(kPictureWidth, height);
    return label;
}

} // namespace

TForm11::TForm11(TForm1* mainWindow, TForm8* updateWindow, QWidget* parent)
    : QDialog(parent), mainWindow_(mainWindow), updateWindow_(updateWindow) {
    setWindowTitle("First Time Installation - How to Update Database");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(390, 578);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(15, 6, 15, 6);
    column->setSpacing(2);
    const char* steps[] = {
        "STEP 1: Click on the UPDATE DATABASE button",
        "STEP 2: Select a Stock Exchange and click on its name, eg. NASDAQ",
        "STEP 3: Download EOD Data from our website",
        ("STEP 4: Unzip the file. In UPDATE DATABASE window press BROWSE,\nand select the text "
         "file that were unzipped earlier and press UPDATE.")};
    const int heights[] = {33, 175, 52, 190};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) column->addSpacing(3);
        column->addWidget(StepText(steps[i], this));
        pictures_[i] = Picture(heights[i], this);
        column->addWidget(pictures_[i]);
    }
    column->addStretch(1);
    Button1 = new QPushButton("Close", this);
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
}

void TForm11::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TakePictures();
}

void TForm11::TakePictures() {
    pictures_[0]->setPixmap(ToolBarPicture(mainWindow_));
    // The upper rows of exchanges, NASDAQ among them, at a readable size.
    const QRect exchanges = updateWindow_->ExchangeGroupRect();
    const QRect nasdaq = updateWindow_->ExchangeCaptionRect("NASDAQ");
    const int rows = exchanges.width() * 175 / kPictureWidth;
    const int top = std::max(0, std::min(nasdaq.bottom() + 8, exchanges.height()) - rows);
    const QRect part(0, top, exchanges.width(), std::min(rows, exchanges.height() - top));
    QPixmap picture = Shot(updateWindow_->ExchangeGroupPicture(part), 175);
    Ring(picture, InPicture(part, 175, nasdaq));
    pictures_[1]->setPixmap(picture);
    pictures_[2]->setPixmap(DownloadPicture());
    pictures_[3]->setPixmap(Shot(updateWindow_->UpdateGroupPicture(), 190));
}

void TForm11::Button1Click() {
    accept();
}

} // namespace brevant
