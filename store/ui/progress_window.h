// Brevant Dira — the import's progress window.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace brevant {

class TStoreHost;

// Its button carries the import's state in its caption: "Cancel" asks for a
// stop, "Please wait..." and "Organizing Data.." ignore clicks, "Complete"
// closes this window and brings back the update window.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3(TStoreHost& host, QWidget* updateWindow, QWidget* parent = nullptr);

    // Shows the window for a new import: empty counters, button "Cancel".
    void BeginImport();

    void Button1Click();

    QLabel* Label5 = nullptr; // files processed
    QLabel* Label6 = nullptr; // lines processed
    QPushButton* Button1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TStoreHost& host_;
    QWidget* updateWindow_;
};

} // namespace brevant
