// Brevant Dira — screening every stock of the database with the ticked filters.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "screen/scan_settings.h"
#include "store/data_store.h"
#include "ta/indicator_params.h"

namespace brevant {

class TBarCache;

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
    // Read after each stock, and while the bar cache is being filled (a stop
    // then abandons the fill and ends the run after the first stock).
    std::function<bool()> stopRequested;
    std::function<void(const std::string&)> passed;              // a list text, as it passes
    std::function<void(const ScanCounters&)> progress;           // after each stock
    std::function<void(const std::string&)> insufficientChanged; // its label text
    // While the bar cache is filled, before the first stock: rows read so far
    // and the number expected (0 when unknown).
    std::function<void(long rows, long expected)> reading;
};

enum class ScanOutcome {
    Completed,     // every stock screened
    Stopped,       // stopped after the current stock
    EmptyDatabase, // refused: kScanEmptyDatabaseMessage
    NoFilter,      // refused: kScanNoFilterMessage
    Failed         // a database error ended the run; `error` holds WorkErrorText of it
};

struct ScanResult {
    ScanOutcome outcome = ScanOutcome::Completed;
    std::vector<std::string> passed; // list texts, in stock-list order
    ScanCounters counters;
    std::string error;
};

// Screens `stockList` (list texts, in list order) inside one TR1 transaction
// (TR1 must be idle). Filters run in the order MACD, moving-average cross,
// RSI, volume, then the formula; the first that rejects ends the stock's turn. Each stock's
// daily rows are read once; every filter sees them converted to its own
// period, with its indicator computed. A database error rolls the
// transaction back and ends the run as Failed with the stocks screened so far.
// With a `cache`, it is validated on the run's transaction; when it does not
// hold every stock, it is filled first in one pass over the quote table on
// the same transaction, and the stocks are then screened from memory.
// Validates `cache` on TR1 (started) and, when it does not hold every stock,
// fills it in one pass, reporting `reading` and reading `stopRequested`.
void FillBarCache(TDataStore& store, TBarCache& cache, const ScanCallbacks& callbacks);

ScanResult RunScan(TDataStore& store, const std::vector<std::string>& stockList,
                   const TIndicatorParams& params, const ScanFilters& filters,
                   const ScanCallbacks& callbacks, TBarCache* cache = nullptr);

// Several screens in one run: each stock is read once and screened by every
// screen in turn, each screen with its own counters, exactly as a run of its
// own would screen it. `callbacks.passed` and `insufficientChanged` are not
// called; `progress` receives the processed and total counts (the per-screen
// counts are in the results). A screen without a filter refuses the whole
// run (NoFilter), as does an empty list of screens.
struct ScreensResult {
    ScanOutcome outcome = ScanOutcome::Completed;
    std::vector<ScanResult> screens; // one per screen, in order, each with `outcome`
    std::string error;
};
ScreensResult RunScreens(TDataStore& store, const std::vector<std::string>& stockList,
                         const TIndicatorParams& params, const std::vector<ScanFilters>& screens,
                         const ScanCallbacks& callbacks, TBarCache* cache = nullptr);

} // namespace brevant
