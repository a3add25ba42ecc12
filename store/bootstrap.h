// Brevant Dira — opening the database file, creating it on the first run.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "store/data_store.h"

namespace brevant {

// Progress reporting shared by long core operations.
struct ProgressCallbacks {
    std::function<void(const std::string&)> status; // a status text (splash label)
    std::function<void()> processMessages;          // let the caller's UI breathe
};

// Attaches `path`, creating the file when it does not exist, and creates
// whatever of the three tables, four indexes, default settings rows and the
// import generation the file lacks: a new file, an older one, or one whose
// creation was cut off at any point. Nothing is ever deleted. Returns true
// when DB1 is attached; on any failure returns false (the caller shows
// MissingFileMessage()) and, when `error` is given, stores the failure's text
// there for logs and the command line.
bool CheckFirebird(TDataStore& store, const std::string& path, const ProgressCallbacks& progress,
                   std::string* error = nullptr);

// What the steps of CheckFirebird work on.
struct BootstrapContext {
    TDataStore& store;
    const std::string& path;
    const ProgressCallbacks& progress;
};

// One step of CheckFirebird. Each step after the attachment looks whether its
// part of the file is there and, when it is not, creates it, looking and
// creating in one transaction: a run cut off between or within steps leaves
// whole steps behind, which the next run does not repeat.
struct BootstrapStep {
    const char* name;
    void (*run)(BootstrapContext& context);
};

// The steps in the order CheckFirebird runs them: the file, the attachment,
// then the file's contents.
std::span<const BootstrapStep> BootstrapSteps();

// The message shown when the database cannot be opened or created.
std::string MissingFileMessage();

// Page-cache size (pages of 4096 bytes) written into the header of every
// database file the program creates.
inline constexpr int kDatabasePageBuffers = 50000;

} // namespace brevant
