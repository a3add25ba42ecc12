// Brevant Dira — the end a second stop signal guarantees.
#include "store/stop_deadline.h"

#include <semaphore.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <thread>

namespace brevant {
namespace {

sem_t armed;
std::atomic<bool> started{false};
std::atomic<bool> wasArmed{false};
std::atomic<int> endStatus{0};

void WriteAll(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(2, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

void StartStopDeadline(std::function<std::string()> lastWords) {
    static std::once_flag once;
    std::call_once(once, [&] {
        if (sem_init(&armed, 0, 0) != 0) return;
        std::thread([words = std::move(lastWords)] {
            while (sem_wait(&armed) != 0) {
                // Interrupted by a signal handled on this thread: wait on.
            }
            std::this_thread::sleep_for(kStopDeadline);
            // Still here: whatever the program is waiting for will not come.
            // No exit handler runs (they would wait for the engine too).
            WriteAll((words ? words() : std::string("stopped")) + "\n");
            _exit(endStatus.load());
        }).detach();
        started = true;
    });
}

void ArmStopDeadline(int status) noexcept {
    if (!started.load() || wasArmed.exchange(true)) return;
    endStatus = status;
    sem_post(&armed);
}

} // namespace brevant
