// Test driver: the windowed program as `brevant` runs it, with Qt's own
// dialogs answered by key presses, as a person at the screen would, and what
// it showed told on stdout:
//   ASKED <text>    a password dialog; PASSWORD is typed into it, then Enter
//   MESSAGE <text>  a message box, closed with Enter
//   GUIDE           the first-time guide, closed
//   READY <n>       the main window is up with n stocks; it is then closed
// usage: dialog_driver PASSWORD -- [PROGRAM OPTIONS]
// The exit status is the program's.
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_windows.h"
#include "app/first_time_guide.h"
#include "app/main_window.h"
#include "app/run_program.h"
#include "app/splash_window.h"
#include "app/stock_list_box.h"

namespace {

using namespace brevant;

void Say(const QString& line) {
    std::printf("%s\n", QString(line).replace("\r\n", " ").toLocal8Bit().constData());
    std::fflush(stdout);
}

// One look at the screen: answers the dialog in front, or reports the main window.
void Look(const TAppWindows& w, const QString& password, QTimer* watch) {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* ask = qobject_cast<QInputDialog*>(modal)) {
        Say("ASKED " + ask->labelText());
        auto* edit = ask->findChild<QLineEdit*>();
        if (edit) QTest::keyClicks(edit, password);
        QTest::keyClick(edit ? static_cast<QWidget*>(edit) : ask, Qt::Key_Return);
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        Say("MESSAGE " + box->text());
        QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    if (w.Form11 && w.Form11->isVisible()) {
        Say("GUIDE");
        w.Form11->Button1Click();
        return;
    }
    // The guide comes 150 ms after the main window; it is waited for.
    static int shownFor = 0;
    if (!w.Form1->isVisible() || ++shownFor < 20) return;
    Say("READY " + QString::number(w.Form1->Lists.ListBox1->count()));
    watch->stop();
    w.Form1->close();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::string(argv[2]) != "--") return 2;
    const QString password = QString::fromLocal8Bit(argv[1]);
    std::vector<char*> program{argv[0]};
    for (int i = 3; i < argc; ++i) program.push_back(argv[i]);
    program.push_back(nullptr);
    int programArgc = static_cast<int>(program.size()) - 1;
    return RunProgram(programArgc, program.data(), [password](const TAppWindows& w) {
        auto* watch = new QTimer(w.Form4);
        watch->setInterval(20);
        QObject::connect(watch, &QTimer::timeout,
                         [&w, password, watch] { Look(w, password, watch); });
        watch->start();
    });
}
