// Brevant Dira — opening the database file, creating it on the first run.
#pragma once

#include <functional>
#include <set>
#include <span>
#include <string>

#include "store/data_store.h"

namespace brevant {

// Progress reporting shared by long core operations.
struct ProgressCallbacks {
    std::function<void(const std::string&)> status; // a status text (splash label)
    std::function<void()> processMessages;          // let the caller's UI breathe
};

// Why a database could not be opened.
enum class OpenFailure {
    None,
    LoginRefused,   // the server refused the user name or the password
    Unreachable,    // no connection to the server could be made in time
    Missing,        // no database file, and none was to be created
    InUseElsewhere, // another process's embedded engine holds the file
    // A path of this machine with a colon, which the client library would
    // take for a server address (LocalPathWithColon): refused, nothing tried.
    LocalPathWithColon,
    Other, // anything else: the message says what
};

// What opening a database came to. The failure's kind is decided here, once,
// for every front end to switch on.
struct OpenResult {
    OpenFailure Failure = OpenFailure::None;
    // The failure in words: for a server's refusals, what to do about them;
    // "no database at PATH" for Missing; otherwise the error's own text.
    // Empty when the database is open.
    std::string Message;

    bool Opened() const { return Failure == OpenFailure::None; }
    explicit operator bool() const { return Opened(); }
};

// What CheckFirebird does about a database file that does not exist.
enum class WhenMissing {
    Create, // creates it, as on the program's first run
    Refuse, // fails with OpenFailure::Missing and creates nothing
};

// Attaches `path`, creating the file when it does not exist (unless
// `whenMissing` refuses to), and creates whatever of the three tables, four
// indexes, default settings rows, the import generation, the saved
// screens' and the drawings' tables the file lacks: a new file, an older one, or one whose
// creation was cut off at any point.
// Nothing is ever deleted. DB1 is attached exactly when the result is Opened;
// the window shows MissingFileMessage() for a local file that failed.
//
// A new local file is the user's alone (mode 0600).
//
// `path` may also name a database on a server (IsServerAddress): the store's
// DB1.User and DB1.Password log in there, with SRP only and an encrypted
// connection (kServerClientConfig). Such a database is attached with a
// connect timeout, created through the server when it does not exist, the
// caller asks for it (WhenMissing::Create) and the server allows it, and
// nothing of it is touched locally (no page-cache setting in its header: the
// server's configuration decides). Its failures are told in words a user can
// act on.
OpenResult CheckFirebird(TDataStore& store, const std::string& path,
                         const ProgressCallbacks& progress,
                         WhenMissing whenMissing = WhenMissing::Create);

// What of its own a database file holds, as the bootstrap found it and has
// added since.
struct FileParts {
    std::set<std::string>
        tables; // DATATABLE, SPLIT, INDICATOR, IMPORTGEN, SAVEDSCREEN, DRAWING, the stock tables
    std::set<std::string> indexes; // IDX0 to IDX3
    bool settingsPending = false;  // INDICATOR made, its default rows not yet in
    bool importGenerationRow = false;
    bool stockStateRow = false;   // the stock tables are filled
    bool inactiveIndexes = false; // some of IDX0 to IDX3 left off by a killed import
};

// What the steps of CheckFirebird work on.
struct BootstrapContext {
    TDataStore& store;
    const std::string& path;
    const ProgressCallbacks& progress;
    FileParts parts;
    bool onServer = false; // IsServerAddress(path)
    WhenMissing whenMissing = WhenMissing::Create;
};

// One step of CheckFirebird. After the file, the attachment and one look at
// what the file holds, each step creates its part of the file when that is
// missing, in one transaction of its own: a run cut off between or within
// steps leaves whole steps behind, and the next run does the rest.
struct BootstrapStep {
    const char* name;
    void (*run)(BootstrapContext& context);
};

// The steps in the order CheckFirebird runs them.
std::span<const BootstrapStep> BootstrapSteps();

// The message shown when the database cannot be opened or created.
std::string MissingFileMessage();

// Page-cache size (pages of 4096 bytes) written into the header of every
// database file the program creates.
inline constexpr int kDatabasePageBuffers = 4096;
// The size earlier versions wrote; a file that has it gets the one above.
inline constexpr int kFormerPageBuffers = 50000;

} // namespace brevant
