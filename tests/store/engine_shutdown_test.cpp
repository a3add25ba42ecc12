// The embedded engine's end: the program's signal handling survives the
// client library's first call, an exit() with an attachment in use detaches
// and ends the engine before the library's own exit handler runs, and a
// database held by another process is told apart. Each case that ends the
// engine runs in a process of its own (a death test re-running this binary).
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "fbl/fbl.h"
#include "fbl/fbl_engine.h"
#include "store/bootstrap.h"
#include "support/temp_dir.h"

extern char** environ;

using namespace brevant;
using namespace brevant::testing;

namespace {

constexpr const char* kFolderVariable = "BREVANT_ENGINE_TEST_FOLDER";

class EngineEnd : public ::testing::Test {
protected:
    void SetUp() override {
        // A fresh process for every death test, where the engine was never
        // entered. It runs this fixture again: the folder is handed down.
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        if (const char* folder = std::getenv(kFolderVariable); folder && *folder) {
            path = std::string(folder) + "/BREVDATA.BVD";
        } else {
            dir = std::make_unique<TempDir>();
            setenv(kFolderVariable, dir->path().c_str(), 1);
            path = dir->file("BREVDATA.BVD");
        }
    }
    void TearDown() override {
        if (dir) unsetenv(kFolderVariable);
    }

    // Creates the database in a process of its own, so that this one never
    // enters the engine before the death test's child does.
    void CreateDatabase() {
        EXPECT_EXIT(
            {
                TDataStore s;
                std::exit(CheckFirebird(s, path, {}) ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }

    // Rows of DATATABLE, read in a process of its own.
    void ExpectRows(int rows) {
        EXPECT_EXIT(
            {
                TDataStore s;
                if (!CheckFirebird(s, path, {})) std::exit(100);
                s.TR1.StartTransaction();
                s.SQL1.SetSQL("SELECT COUNT(*) FROM DATATABLE");
                s.SQL1.ExecSQL();
                std::exit(s.SQL1.FieldAsInteger(0));
            },
            ::testing::ExitedWithCode(rows), "");
    }

    static void Insert(TDataStore& s, const char* symbol) {
        s.SQL1.SetSQL("INSERT INTO DATATABLE VALUES(?, 'X', '2026-01-02', 1, 1, 1, 1, 1)");
        s.SQL1.Prepare();
        s.SQL1.ParamAsString(0, symbol);
        s.SQL1.ExecSQL();
    }

    static void IgnoreSignal(int) {}

    std::unique_ptr<TempDir> dir; // in the parent process only
    std::string path;
};

} // namespace

TEST_F(EngineEnd, TheProgramsSignalHandlersOutliveTheFirstAttach) {
    CreateDatabase();
    EXPECT_EXIT(
        {
            struct sigaction ours {};
            ours.sa_handler = IgnoreSignal;
            sigaction(SIGTERM, &ours, nullptr);
            TDataStore s;
            if (!CheckFirebird(s, path, {})) std::exit(1);
            struct sigaction now {};
            sigaction(SIGTERM, nullptr, &now);
            std::exit(now.sa_handler == IgnoreSignal ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(EngineEnd, SigtermKeepsItsDefaultWhileAttached) {
    // The client library would catch it and shut the engine down behind the
    // program's back; the default ends the process.
    CreateDatabase();
    EXPECT_EXIT(
        {
            TDataStore s;
            if (!CheckFirebird(s, path, {})) std::exit(1);
            raise(SIGTERM);
            std::this_thread::sleep_for(std::chrono::seconds(5));
            std::exit(2);
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

TEST_F(EngineEnd, ExitWithATransactionUnderWayKeepsWhatWasCommitted) {
    CreateDatabase();
    EXPECT_EXIT(
        {
            // Registered before the first attach, so it runs after the exit
            // guard: the engine must be ended by then.
            on_exit(
                [](int, void*) {
                    if (!EngineShutDown()) _exit(8);
                },
                nullptr);
            TDataStore s;
            if (!CheckFirebird(s, path, {})) std::exit(1);
            s.TR1.StartTransaction();
            Insert(s, "KEPT");
            s.TR1.Commit();
            s.TR1.StartTransaction();
            Insert(s, "LOST");
            // What the display server's loss does: exit() in the middle of the work.
            std::exit(7);
        },
        ::testing::ExitedWithCode(7), "");
    ExpectRows(1);
}

TEST_F(EngineEnd, ExitWhileAnotherThreadWorksInsideTheEngineEndsPromptly) {
    CreateDatabase();
    EXPECT_EXIT(
        {
            alarm(30); // a hang ends as SIGALRM, not as this test's timeout
            std::atomic<bool> querying{false};
            std::thread([&] {
                TDataStore s;
                if (!CheckFirebird(s, path, {})) std::exit(1);
                s.TR1.StartTransaction();
                s.SQL1.SetSQL("SELECT COUNT(*) FROM RDB$FIELDS A, RDB$FIELDS B, RDB$FIELDS C");
                querying = true;
                try {
                    s.SQL1.ExecSQL();
                } catch (...) {
                }
                std::this_thread::sleep_for(std::chrono::seconds(60));
            }).detach();
            while (!querying) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            std::exit(5);
        },
        ::testing::ExitedWithCode(5), "");
}

TEST_F(EngineEnd, ShutdownDetachesAndEndsTheEngine) {
    CreateDatabase();
    EXPECT_EXIT(
        {
            TDataStore s;
            if (!CheckFirebird(s, path, {})) std::exit(1);
            s.TR1.StartTransaction();
            Insert(s, "LOST");
            if (!ShutdownEngine()) std::exit(2);
            if (s.DB1.Connected() || !EngineShutDown()) std::exit(3);
            // The engine takes no new attachment.
            TDataStore again;
            std::exit(CheckFirebird(again, path, {}) ? 4 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    ExpectRows(0);
}

TEST_F(EngineEnd, ADatabaseHeldByAnotherProcessIsToldApart) {
    CreateDatabase();
    const std::string ready = dir->file("ready"), release = dir->file("release");
    std::string helper = HOLD_OPEN_PATH;
    std::vector<char*> argv = {helper.data(), path.data(), const_cast<char*>(ready.c_str()),
                               const_cast<char*>(release.c_str()), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, helper.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    for (int i = 0; i < 1000 && !std::filesystem::exists(ready); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(std::filesystem::exists(ready));

    TDataStore s;
    EXPECT_EQ(CheckFirebird(s, path, {}).Failure, OpenFailure::InUseElsewhere)
        << "the holder keeps it to itself";

    TempDir::Touch(release);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(CheckFirebird(s, path, {}));
}

TEST_F(EngineEnd, ServerErrorsCarryEveryCodeOfTheStatusVector) {
    TDataStore s;
    ASSERT_TRUE(CheckFirebird(s, path, {}));
    s.TR1.StartTransaction();
    try {
        s.SQL1.SetSQL("SELECT NOPE FROM DATATABLE");
        s.SQL1.ExecSQL();
        FAIL() << "no error";
    } catch (const EFBLError& e) {
        ASSERT_GE(e.IscErrorCodes.size(), 2u);
        EXPECT_EQ(e.IscErrorCodes.front(), e.IscErrorCode);
    }
    try {
        s.TR1.StartTransaction();
        FAIL() << "no error";
    } catch (const EFBLError& e) {
        EXPECT_TRUE(e.IscErrorCodes.empty()) << "the layer's own errors have none";
    }
}
