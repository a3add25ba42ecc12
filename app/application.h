// Brevant Dira — the application object and its default error report.
#pragma once

#include <QApplication>

namespace brevant {

// An exception that leaves an event handler is shown in a message box and
// the program goes on, so that a failed command never ends the program.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace brevant
