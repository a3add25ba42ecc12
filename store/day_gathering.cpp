// Brevant Dira — one stock's newest distinct days gathered from its rows.
#include "store/day_gathering.h"

#include <algorithm>

#include "store/price_history.h"

namespace brevant {
namespace {

// Rows a stock gathers before the days too old to be kept are cut off.
constexpr std::size_t kTrimAt = kMaxHistoryDays + kMaxHistoryDays / 4;

bool DayNewerFirst(const CompactBar& a, const CompactBar& b) {
    return a.day > b.day;
}

} // namespace

TDayGathering::TDayGathering(std::size_t reserve) {
    rows_.reserve(std::min(reserve, kTrimAt));
}

void TDayGathering::Add(const CompactBar& row) {
    if (irregular_ || (floor_ && row.day < *floor_)) return;
    if (rows_.size() == rows_.capacity()) {
        if (rows_.size() >= kTrimAt) Trim();
        // A quarter more at a time: a whole table may pass through here.
        if (rows_.size() == rows_.capacity())
            rows_.reserve(std::min(std::max<std::size_t>(16, rows_.size() * 5 / 4), kTrimAt));
    }
    rows_.push_back(row);
}

void TDayGathering::MarkIrregular() {
    irregular_ = true;
    CompactBars().swap(rows_);
}

std::optional<CompactBars> TDayGathering::Finish() {
    if (irregular_) return std::nullopt;
    Trim();
    if (!rows_.empty())
        for (std::int32_t day : conflicts_)
            if (day >= rows_.back().day) {
                MarkIrregular();
                return std::nullopt;
            }
    std::reverse(rows_.begin(), rows_.end());
    rows_.shrink_to_fit();
    return std::move(rows_);
}

// Newest first, one row per day (the first met), at most the kept days.
void TDayGathering::Trim() {
    std::stable_sort(rows_.begin(), rows_.end(), DayNewerFirst);
    auto out = rows_.begin();
    for (auto in = rows_.begin(); in != rows_.end(); ++in) {
        if (out != rows_.begin() && (out - 1)->day == in->day) {
            if (!SameRow(*(out - 1), *in)) conflicts_.push_back(in->day);
            continue;
        }
        if (out - rows_.begin() == kMaxHistoryDays) break;
        *out++ = *in;
    }
    rows_.erase(out, rows_.end());
    // Held days only get newer: an older row can never be kept.
    if (rows_.size() == kMaxHistoryDays) {
        floor_ = rows_.back().day;
        std::erase_if(conflicts_, [&](std::int32_t day) { return day < *floor_; });
    }
}

} // namespace brevant
