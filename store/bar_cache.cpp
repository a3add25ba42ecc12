// Brevant Dira — the bar cache.
#include "store/bar_cache.h"

#include "store/import_generation.h"
#include "store/stock_tables.h"
#include "store/stored_bars.h"

namespace brevant {

void TBarCache::Validate(TFBLTransaction& t) {
    const std::optional<int> generation = ReadImportGeneration(t);
    const long imports = ImportsStartedInThisProcess();
    if (!validated_ || !generation || !generation_ || *generation != *generation_ ||
        imports != importsSeen_)
        Drop();
    validated_ = true;
    storedCurrent_.reset();
    generation_ = generation;
    importsSeen_ = imports;
}

const CompactBars* TBarCache::Find(const std::string& key) const {
    static const CompactBars kNoRows;
    if (const auto it = stocks_.find(key); it != stocks_.end()) return &it->second;
    return complete_ ? &kNoRows : nullptr;
}

void TBarCache::Put(const std::string& key, CompactBars rows) {
    stocks_.insert_or_assign(key, std::move(rows));
}

const CompactBars* TBarCache::FindStored(TFBLTransaction& t, const std::string& key) {
    if (!storedCurrent_) storedCurrent_ = StoredTablesCurrent(t);
    if (!*storedCurrent_) return nullptr;
    TStoredBars bars(t);
    const std::optional<StoredStock> stock = bars.Read(key);
    if (stock && !stock->readable) return nullptr;
    // Not stored while the tables are current: the stock has no rows.
    Put(key, stock ? stock->Rows() : CompactBars{});
    return Find(key);
}

std::size_t TBarCache::MemoryBytes() const {
    // Each entry is a node with its key and vector, plus the bucket array.
    std::size_t bytes = stocks_.bucket_count() * sizeof(void*);
    for (const auto& [key, rows] : stocks_) {
        bytes += sizeof(std::pair<const std::string, CompactBars>) + sizeof(void*);
        if (key.capacity() >= sizeof(std::string)) bytes += key.capacity() + 1;
        bytes += rows.capacity() * sizeof(CompactBar);
    }
    return bytes;
}

void TBarCache::Drop() {
    // A fresh map gives its memory back; clear() would keep the buckets.
    std::unordered_map<std::string, CompactBars>().swap(stocks_);
    complete_ = false;
}

} // namespace brevant
