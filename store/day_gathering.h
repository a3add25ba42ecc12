// Brevant Dira — one stock's newest distinct days gathered from its rows met
// in any order, as its own query (ReadDailyRows) would load them.
//
// Of the rows of one day the query loads the first the engine returns. When
// they are all the same that is any of them; when two differ, the engine's
// choice cannot be known from the rows alone, and the gathering says so.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/compact_bars.h"

namespace brevant {

class TDayGathering {
public:
    // `reserve`: rows expected (at most the trimming size is reserved).
    explicit TDayGathering(std::size_t reserve = 0);

    // Rows older than the kept days (once that many are held) are dropped at
    // once, so memory stays bounded whatever the stock's history.
    void Add(const CompactBar& row);

    // A row with a missing value: only the stock's own query can say what it
    // loads.
    void MarkIrregular();
    bool Irregular() const { return irregular_; }

    // The rows the stock's query loads (oldest first, at most
    // kMaxHistoryDays), or nothing when a row with a missing value was met or
    // a kept day has two different rows. Call once.
    std::optional<CompactBars> Finish();

    // Rows gathered so far, before trimming.
    std::size_t Size() const { return rows_.size(); }

private:
    void Trim();

    CompactBars rows_;                    // newest first after a trim
    std::vector<std::int32_t> conflicts_; // days with two different rows
    std::optional<std::int32_t> floor_;   // the oldest day that can still be kept
    bool irregular_ = false;
};

} // namespace brevant
