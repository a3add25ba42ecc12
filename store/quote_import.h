// Brevant Dira — importing end-of-day quote files into the database.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "store/data_store.h"
#include "store/quote_line.h"

namespace brevant {

class TQuoteFile;

// What the progress window shows while an import runs. Every callback may be
// left empty.
struct ImportCallbacks {
    std::function<void(int)> fileNumber;  // ordinal of the file being read, from 1
    std::function<void(long)> lineNumber; // lines stored from the current file so far
    std::function<void()> processMessages;
    std::function<bool()> stopRequested; // honoured before the next file
    // Read before each line: true ends the import at once, the current file's
    // rows since its last commit rolled back and no statistics refreshed.
    std::function<bool()> abandonFile;
    std::function<void()> finishingFile; // the stop was seen; the current file is finished
    std::function<void()> organizing;    // all files read; statistics are refreshed
};

enum class ImportOutcome {
    Completed,      // files read (or stopped) and statistics refreshed: reload the stock list
    CannotOpenFile, // Message is "->ERROR: CANNOT OPEN FILE " + path
    Failed,         // a database or read error; Message is its text
};

struct ImportResult {
    ImportOutcome Outcome = ImportOutcome::Completed;
    std::string Message;
    int FilesRead = 0;      // files read to their end
    long LinesStored = 0;   // quote rows stored, all files
    bool Stopped = false;   // a stop request skipped the remaining files
    bool Abandoned = false; // abandonFile cut the current file off (Stopped too)
};

// Reads quote files (see quote_line.h for the line format) and stores one
// DATATABLE row per accepted line and one SPLIT row per new dividend or split.
// Quote rows are committed per file and before each action row; action rows
// one by one. Rows of files read before a failure stay stored: a file that
// cannot be opened, or a database error, ends the import there with every
// transaction of the import rolled back or committed, the files closed.
class TQuoteImport {
public:
    // `decimalSeparator` is the user's, for ToFloat. `store.DB1` must be attached.
    TQuoteImport(TDataStore& store, char decimalSeparator, ImportCallbacks callbacks = {});

    ImportResult Run(const std::vector<std::string>& files);

private:
    void ImportFile(TQuoteFile& file, ImportResult& result);
    void StoreQuote(const TQuoteLine& line);
    void StoreActions(const TQuoteLine& line);
    void StoreAction(const TQuoteLine& line, const char* action, double item);
    void RefreshStatistics();

    TDataStore& store_;
    char decimalSeparator_;
    ImportCallbacks callbacks_;
    // Carried from line to line and file to file; lines without a valid date
    // take it. Day 0 until the first valid date.
    double currentDate_ = 0;
};

} // namespace brevant
