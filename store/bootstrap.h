// Brevant Dira — opening the database file, creating it on the first run.
#pragma once

#include <functional>
#include <string>

#include "store/data_store.h"

namespace brevant {

// Progress reporting shared by long core operations.
struct ProgressCallbacks {
    std::function<void(const std::string&)> status; // a status text (splash label)
    std::function<void()> processMessages;          // let the caller's UI breathe
};

// Attaches `path`, creating the file with its three tables, four indexes and
// the default settings when it does not exist, and adding SPLIT or INDICATOR
// to an older file that lacks them. Nothing is ever deleted. Returns true when
// DB1 is attached; on any failure returns false (the caller shows
// MissingFileMessage()) and, when `error` is given, stores the failure's text
// there for logs and the command line.
bool CheckFirebird(TDataStore& store, const std::string& path, const ProgressCallbacks& progress,
                   std::string* error = nullptr);

// The message shown when the database cannot be opened or created.
std::string MissingFileMessage();

// Page-cache size (pages of 4096 bytes) written into the header of every
// database file the program creates.
inline constexpr int kDatabasePageBuffers = 50000;

} // namespace brevant
