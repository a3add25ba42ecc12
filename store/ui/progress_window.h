// Brevant Dira — the import's progress window.
#pragma once

#include "ui/progress_window.h"

class QLabel;

namespace brevant {

class TStoreHost;

// Its button reads "Done", hidden, until the first import; then "Cancel"
// asks for a stop, "Please wait..." and "Organizing Data.." ignore clicks,
// "Complete" closes this window and brings back the update window.
class TForm3 : public ui::TProgressWindow {
    Q_OBJECT
public:
    TForm3(TStoreHost& host, QWidget* updateWindow, QWidget* parent = nullptr);

    // Shows the window for a new import: empty counters, button "Cancel".
    void BeginImport();
    void ShowFileNumber(int number);
    void ShowLineNumber(long number);
    // A stop was seen; the current file is read to its end.
    void ShowFinishingFile();
    // All files are read; statistics and the stock list are refreshed.
    void ShowOrganizing();
    void EndImport();

    QLabel* Label5 = nullptr; // files processed
    QLabel* Label6 = nullptr; // lines processed

protected:
    void StopClicked() override;
    void CompleteClicked() override;

private:
    TStoreHost& host_;
    QWidget* updateWindow_;
};

} // namespace brevant
