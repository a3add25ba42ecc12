// Brevant Dira — the splash window, shown while the program starts.
#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "app/start_options.h"

class QLabel;
class QTimer;

namespace brevant {

class TForm1;

// The first window of the program. It creates the main window (hidden) and,
// 1500 ms after the event loop starts, shows it; the main window's first
// showing runs the start-up while this window shows its progress texts.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(const TStartOptions& options);
    ~TForm4() override;

    void StartApp();
    void Timer1Timer();
    // Writes a progress text and lets it paint.
    void SetStatus(const std::string& text);
    // Writes a progress text without painting it: PaintStatus (or SetStatus)
    // fits the label to it and paints it.
    void WriteStatus(const std::string& text);
    void PaintStatus();

    TForm1* MainWindow() const { return form1_.get(); }

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;

signals:
    void statusChanged(const QString& text);

private:
    TStartOptions options_;
    std::unique_ptr<TForm1> form1_;
};

} // namespace brevant
