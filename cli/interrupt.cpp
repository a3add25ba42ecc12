// Brevant Dira — SIGINT, SIGTERM and SIGHUP during a command that can stop
// at a safe point (import, scan).
#include "cli/interrupt.h"

#include <signal.h>

#include <atomic>

#include "store/stop_deadline.h"

namespace brevant::cli {
namespace {

// Lock-free, so that the handler may touch them.
std::atomic<int> count{0};
std::atomic<int> first{0};

void Count(int signal) {
    int none = 0;
    first.compare_exchange_strong(none, signal);
    if (count.fetch_add(1) == 1) ArmStopDeadline(InterruptedStatus());
}

} // namespace

void CatchInterrupts(std::function<std::string()> lastWords) {
    static_assert(std::atomic<int>::is_always_lock_free);
    StartStopDeadline(std::move(lastWords));
    struct sigaction action {};
    action.sa_handler = Count;
    sigemptyset(&action.sa_mask);
    // Reads and writes go on after the handler: the command decides when to stop.
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

int Interrupts() {
    return count.load();
}

int InterruptedStatus() {
    const int signal = first.load();
    return signal == 0 ? 0 : 128 + signal;
}

} // namespace brevant::cli
