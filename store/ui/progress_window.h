// Brevant Dira — the import's progress window.
#pragma once

#include <string>
#include <vector>

#include "quotes/import_progress.h"
#include "ui/progress_window.h"

class QLabel;
class QPlainTextEdit;

namespace brevant {

class TStoreHost;
struct FileCounts;

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
    // The layout told from the file's first line ("native", "CSV (ACME)").
    void ShowFileLayout(const std::string& layout);
    // The file's line count and, beside "Processing:", the percent done,
    // lines per second and time left. The import calls it at most ten
    // times a second.
    void ShowProgress(const ImportProgress& progress);
    // A stop was seen; the current file is read to its end.
    void ShowFinishingFile();
    // All files are read; statistics and the stock list are refreshed.
    void ShowOrganizing();
    // "Complete", with what each file gave below the counters.
    void EndImport(const std::vector<FileCounts>& files);

    QLabel* Label5 = nullptr;          // files processed
    QLabel* Label6 = nullptr;          // lines processed
    QLabel* Label8 = nullptr;          // the current file's layout
    QLabel* Label7 = nullptr;          // percent, lines per second, time left
    QPlainTextEdit* Summary = nullptr; // per file, shown when complete

protected:
    void StopClicked() override;
    void CompleteClicked() override;

private:
    void FitSize();

    TStoreHost& host_;
    QWidget* updateWindow_;
};

} // namespace brevant
