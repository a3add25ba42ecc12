// Brevant Dira — the splash window, shown while the program starts.
#include "app/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/artwork.h"
#include "app/main_window.h"
#include "ui/latin1.h"
#include "ui/user_interface.h"

namespace brevant {

TForm4::TForm4(const TStartOptions& options) : options_(options) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(400, 250);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(244, 243, 242));
    setPalette(background);
    setCursor(Qt::BusyCursor);

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 400, 250);
    Image1->setPixmap(SplashPicture());
    Label1 = new QLabel("Loading..", this);
    QFont small("Arial");
    small.setPointSize(8);
    Label1->setFont(small);
    Label1->setAutoFillBackground(true);
    QPalette green = Label1->palette();
    green.setColor(QPalette::Window, QColor(159, 204, 78));
    green.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(green);
    Label1->setContentsMargins(3, 1, 3, 1);
    Label1->move(7, 207);
    Label1->adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1500);
    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The creation event: show, let it paint, start the program.
    show();
    QApplication::processEvents();
    StartApp();
}

TForm4::~TForm4() = default;

void TForm4::StartApp() {
    if (!form1_) form1_ = std::make_unique<TForm1>(options_);
    QApplication::processEvents();
    Timer1->start();
    // The engine's own start-up (its plugins, its first opening of the file)
    // runs in the time the splash waits anyway.
    QTimer::singleShot(0, this, [this] {
        if (form1_) form1_->WarmUpDatabase();
    });
}

void TForm4::SetStatus(const std::string& text) {
    WriteStatus(text);
    PaintStatus();
}

void TForm4::PaintStatus() {
    Label1->adjustSize();
    Label1->repaint();
}

void TForm4::WriteStatus(const std::string& text) {
    const QString status = ui::FromLatin1(text);
    Label1->setText(status);
    emit statusChanged(status);
}

void TForm4::Timer1Timer() {
    SetStatus("Done.");
    Timer1->stop();
    try {
        form1_->FormShow();
    } catch (const std::exception& e) {
        // The start-up ends where it failed; the window comes up with what was loaded.
        ui::Ui().ShowMessage(nullptr, QString::fromLocal8Bit(e.what()));
    }
    if (form1_->Closing()) return;
    form1_->showMaximized();
    hide();
}

} // namespace brevant
