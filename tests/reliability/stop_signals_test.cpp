// The windowed program's stop signals when its event loop is not running: a
// program waiting inside the database client library never reads them, and a
// second signal must still end it.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <initializer_list>

#include "app/stop_signals.h"

namespace {

// Caught, then never read: the main thread only waits, as it does inside the
// client library for a server that stopped answering.
[[noreturn]] void StuckAfter(std::initializer_list<int> stopSignals) {
    brevant::CatchStopSignals();
    for (int s : stopSignals) raise(s);
    for (;;) pause();
}

} // namespace

TEST(StopSignalsDeathTest, ASecondSignalEndsAProgramThatNeverReadsThem) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* name;
        int first, second;
    } cases[] = {{"SIGTERM twice", SIGTERM, SIGTERM},
                 {"SIGINT then SIGTERM", SIGINT, SIGTERM},
                 {"SIGHUP then SIGINT", SIGHUP, SIGINT}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(StuckAfter({c.first, c.second}), testing::ExitedWithCode(128 + c.first),
                    "ended at once after a second stop signal");
    }
}

// One signal is a request to close, which only the event loop carries out:
// the process is still there after the deadline.
TEST(StopSignalsDeathTest, OneSignalAloneDoesNotEndIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            brevant::CatchStopSignals();
            raise(SIGTERM);
            sleep(7); // beyond the deadline a second signal would arm
            _exit(3);
        },
        testing::ExitedWithCode(3), "");
}
