// Brevant Dira — ending the embedded database engine that runs inside this
// process.
#include "fbl/fbl_engine.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "fbl/fbl.h"
#include "fbl/fbl_library.h"

namespace brevant {
namespace fbl {
namespace {

bool SameDisposition(const struct sigaction& a, const struct sigaction& b) {
    return a.sa_handler == b.sa_handler && a.sa_flags == b.sa_flags;
}

void PutBack(int signal, const struct sigaction& before) {
    struct sigaction now {};
    sigaction(signal, nullptr, &now);
    if (!SameDisposition(now, before)) sigaction(signal, &before, nullptr);
}

int AddObjectName(dl_phdr_info* info, std::size_t, void* names) {
    if (info->dlpi_name && *info->dlpi_name)
        static_cast<std::vector<std::string>*>(names)->emplace_back(info->dlpi_name);
    return 0;
}

// The file names of the shared objects loaded now.
std::vector<std::string> LoadedObjects() {
    std::vector<std::string> names;
    dl_iterate_phdr(AddObjectName, &names);
    return names;
}

struct Attachment {
    TFBLDatabase* database;
    std::thread::id thread;
};

std::mutex attachmentsLock;
// Never destroyed: a database component may end after static destruction began.
std::vector<Attachment>& Attachments() {
    static auto* attachments = new std::vector<Attachment>;
    return *attachments;
}

} // namespace

EngineEntryGuard::EngineEntryGuard() : loaded_(LoadedObjects()) {
    sigaction(SIGINT, nullptr, &interrupt_);
    sigaction(SIGTERM, nullptr, &terminate_);
}

EngineEntryGuard::~EngineEntryGuard() {
    PutBack(SIGINT, interrupt_);
    PutBack(SIGTERM, terminate_);
    for (const std::string& name : LoadedObjects()) {
        if (std::find(loaded_.begin(), loaded_.end(), name) != loaded_.end()) continue;
        // Another reference that is never given back, and no unloading ever.
        dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
}

void RegisterAttachment(TFBLDatabase* database) {
    std::lock_guard guard(attachmentsLock);
    Attachments().push_back({database, std::this_thread::get_id()});
}

void UnregisterAttachment(TFBLDatabase* database) {
    std::lock_guard guard(attachmentsLock);
    std::erase_if(Attachments(),
                  [database](const Attachment& a) { return a.database == database; });
}

void DisconnectThreadAttachments() {
    std::vector<TFBLDatabase*> mine;
    {
        std::lock_guard guard(attachmentsLock);
        for (const Attachment& a : Attachments())
            if (a.thread == std::this_thread::get_id()) mine.push_back(a.database);
    }
    // Another thread's attachment is its own business; the engine shutdown
    // ends it.
    for (TFBLDatabase* database : mine) {
        try {
            if (database->Connected()) database->Disconnect();
        } catch (...) {
            // The engine shutdown that follows ends the attachment anyway.
        }
    }
}

namespace {

// Runs when the process exits without the program having shut the engine
// down (the GUI toolkit calls exit() when its display is gone). Registered
// after the engine's libraries are loaded, it runs before their exit
// handlers; when the engine does not stop in time, the process ends here, as
// the client library's own handler would wait for it for ever.
void ExitGuard(int status, void*) {
    if (EngineShutDown()) return;
    if (!ShutdownEngine()) QuickExit(status);
}

} // namespace

void GuardProcessExit() {
    static std::once_flag once;
    std::call_once(once, [] { on_exit(ExitGuard, nullptr); });
}

} // namespace fbl

namespace {

std::atomic<bool> engineShutDown{false};

// What the thread running fb_shutdown reports back; shared, as the thread
// may outlive the wait.
struct ShutdownState {
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
};

} // namespace

bool EngineShutDown() {
    return engineShutDown.load();
}

bool ShutdownEngine(std::chrono::milliseconds bound) {
    static std::mutex once;
    static bool stoppedInTime = true;
    std::lock_guard guard(once);
    if (engineShutDown.load()) return stoppedInTime;
    fbl::DisconnectThreadAttachments();
    const fbl::ClientApi* api = fbl::LoadedApi();
    engineShutDown = true;
    if (!api || !api->shutdown) return stoppedInTime = true;

    // The engine's shutdown waits for every thread inside it; a thread stuck
    // there must not keep this process alive.
    auto state = std::make_shared<ShutdownState>();
    const unsigned timeout = static_cast<unsigned>(bound.count());
    std::thread worker([state, shutdown = api->shutdown, timeout] {
        shutdown(timeout, fb_shutrsn_app_stopped);
        std::lock_guard lock(state->lock);
        state->finished = true;
        state->done.notify_all();
    });
    {
        std::unique_lock lock(state->lock);
        stoppedInTime = state->done.wait_for(lock, bound, [&] { return state->finished; });
    }
    // A finished worker is joined, so that no thread of ours is still ending
    // while the process goes on to exit; a stuck one is left behind.
    if (stoppedInTime)
        worker.join();
    else
        worker.detach();
    return stoppedInTime;
}

void QuickExit(int status) {
    std::fflush(nullptr);
    _exit(status);
}

} // namespace brevant
