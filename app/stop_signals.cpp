// Brevant Dira — SIGINT, SIGTERM and SIGHUP in the windowed program.
#include "app/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>

#include "store/stop_deadline.h"

namespace brevant {
namespace {

int pipeRead = -1;
int pipeWrite = -1;
// Lock-free, so that the handler may touch them.
std::atomic<int> caught{0};
std::atomic<int> firstCaught{0};

void WriteSignal(int signal) {
    const int saved = errno;
    int none = 0;
    firstCaught.compare_exchange_strong(none, signal);
    // The event loop reads the pipe; a program waiting inside the database
    // client library (a server that stopped answering) never gets there. The
    // second signal therefore also ends it after the deadline, whatever it waits for.
    if (caught.fetch_add(1) == 1) ArmStopDeadline(128 + firstCaught.load());
    const unsigned char number = static_cast<unsigned char>(signal);
    // A full pipe drops the signal: enough of them are waiting already.
    [[maybe_unused]] const ssize_t written = write(pipeWrite, &number, 1);
    errno = saved;
}

} // namespace

void CatchStopSignals() {
    static_assert(std::atomic<int>::is_always_lock_free);
    StartStopDeadline([] {
        return std::string("brevant: ended at once after a second stop signal: "
                           "the file being imported, if any, was rolled back");
    });
    if (pipeRead < 0) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return; // the defaults stay
        pipeRead = fds[0];
        pipeWrite = fds[1];
    }
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

TStopSignalWatcher::TStopSignalWatcher(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    if (pipeRead < 0) return;
    notifier_ = new QSocketNotifier(pipeRead, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { ReadSignals(); });
}

void TStopSignalWatcher::ReadSignals() {
    unsigned char numbers[16];
    ssize_t n = 0;
    while ((n = read(pipeRead, numbers, sizeof numbers)) > 0)
        for (ssize_t i = 0; i < n; ++i) handler_(numbers[i], ++count_);
}

} // namespace brevant
