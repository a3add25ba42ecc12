// Brevant Dira — the embedded engine's lock and temporary folders, private to
// the user who runs the program.
//
// Left alone, the engine keeps its lock files in the machine-wide
// /tmp/firebird: once another user (root, the server package) has created it,
// nobody else can open or create a database at all.
#pragma once

#include <string>

namespace brevant {

struct EngineFolders {
    std::string Lock; // for FIREBIRD_LOCK
    std::string Temp; // for FIREBIRD_TMP
};

// The user's private folder for the engine, with "lock" and "tmp" inside,
// created when missing (mode 0700). It is "brevant-dira" in `runtimeDir`
// (the session's XDG_RUNTIME_DIR; skipped when empty or not a folder of the
// user's own that nobody else may enter), else "brevant-dira-UID" in
// `tempDir`. A folder found there that is a symbolic link, belongs to another
// user or lets others in is never used: a new folder of this process's own
// (mkdtemp) in `tempDir` is made instead. Throws std::runtime_error when no
// folder can be made.
EngineFolders PrivateEngineFolders(const std::string& runtimeDir, const std::string& tempDir);

// Sets FIREBIRD_LOCK and FIREBIRD_TMP to PrivateEngineFolders (from
// XDG_RUNTIME_DIR, and TMPDIR or /tmp) unless the user has set them. It
// changes the environment: run it while the process has a single thread,
// before the client library is loaded. Only the first call acts; when no
// folder can be made, the engine keeps its own defaults.
void UsePrivateEngineFolders();

} // namespace brevant
