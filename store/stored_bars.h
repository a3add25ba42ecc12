// Brevant Dira — each stock's daily rows in the stored bar table STOCKBARS.
//
// A stock has a settled part (part 0: at most kMaxHistoryDays rows) and a
// part of the days added since (part 1: every one newer than the settled
// days), so that a daily file rewrites a small row per stock. The rows the
// loader loads are the newest kMaxHistoryDays of the two together. Every few
// dozen days (at a point that differs from stock to stock, so that not all
// stocks come due on the same day) the new days are settled.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "fbl/fbl.h"
#include "store/compact_bars.h"

namespace brevant {

// One stock as stored; keyed by its symbol without trailing blanks
// (HistoryKey).
struct StoredStock {
    CompactBars settled;
    CompactBars recent;
    // Some kept day has two different rows: which the loader loads is the
    // engine's choice, so every change to the stock asks its own query.
    bool irregular = false;
    // False when a part is not in this version's format: then nothing of it
    // can be used.
    bool readable = true;

    // The rows the loader loads, oldest first.
    CompactBars Rows() const;
};

// Every stored stock's loaded rows, read on `t`; nothing when a row is not in
// this version's format (the table must then be built again).
std::optional<std::unordered_map<std::string, CompactBars>> ReadAllStoredBars(TFBLTransaction& t);

// One stock at a time, through statements prepared once.
class TStoredBars {
public:
    explicit TStoredBars(TFBLTransaction& t) : read_(&t), write_(&t), remove_(&t) {}

    // The stock as stored; nothing when it has no stored rows.
    std::optional<StoredStock> Read(const std::string& key);

    // The stock's new state written over `before` (nothing when it had
    // none): only the parts that changed.
    void Write(const std::string& key, const std::optional<StoredStock>& before,
               const StoredStock& after);

    // Removes the stock's stored rows.
    void Remove(const std::string& key);

private:
    void WritePart(const std::string& key, int part, const CompactBars& rows, bool irregular);

    TFBLDsql read_, write_, remove_;
};

// The stock after `merged` (the rows the loader now loads, oldest first)
// replaced what `before` held: the new days go to the recent part while all
// of them are newer than the settled days and few enough for this stock;
// otherwise everything is settled.
StoredStock NextStoredStock(const std::string& key, const std::optional<StoredStock>& before,
                            const CompactBars& merged);

// Removes every stored stock.
void ClearStoredBars(TFBLTransaction& t);

} // namespace brevant
