// Brevant Dira — the windowed program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brevant Dira");
    QMainWindow window;
    window.setWindowTitle("Brevant Dira");
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
