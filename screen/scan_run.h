// Brevant Dira — screening every stock of the database with the ticked filters.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "screen/scan_settings.h"
#include "store/data_store.h"
#include "ta/indicator_params.h"

namespace brevant {

inline constexpr const char* kScanEmptyDatabaseMessage =
    "Currently your database is empty.\r\nClick Help ---> Help File to learn more.\r\nSelect "
    "\"How To Update Database\".";
inline constexpr const char* kScanNoFilterMessage = "Please select at least one filter.";

struct ScanCounters {
    int total = 0;
    int processed = 0;
    int successful = 0;
    int unsuccessful = 0;
    int insufficient = 0;
};

struct ScanCallbacks {
    std::function<void()> processMessages;
    std::function<bool()> stopRequested;                         // read after each stock
    std::function<void(const std::string&)> passed;              // a list text, as it passes
    std::function<void(const ScanCounters&)> progress;           // after each stock
    std::function<void(const std::string&)> insufficientChanged; // its label text
};

enum class ScanOutcome {
    Completed,     // every stock screened
    Stopped,       // stopped after the current stock
    EmptyDatabase, // refused: kScanEmptyDatabaseMessage
    NoFilter,      // refused: kScanNoFilterMessage
    Failed         // a database error ended the run; `error` holds its text
};

struct ScanResult {
    ScanOutcome outcome = ScanOutcome::Completed;
    std::vector<std::string> passed; // list texts, in stock-list order
    ScanCounters counters;
    std::string error;
};

// Screens `stockList` (list texts, in list order) inside one TR1 transaction
// (TR1 must be idle). Filters run in the order MACD, moving-average cross,
// RSI, volume; the first that rejects ends the stock's turn. Each stock's
// daily rows are read once; every filter works on a fresh copy converted to
// its own period. A database error rolls the transaction back and ends the
// run as Failed with the stocks screened so far.
ScanResult RunScan(TDataStore& store, const std::vector<std::string>& stockList,
                   const TIndicatorParams& params, const ScanFilters& filters,
                   const ScanCallbacks& callbacks);

} // namespace brevant
