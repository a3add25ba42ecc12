// The import's "abandon the current file" hook (a second stop signal): the
// file being read ends at once, its quote rows rolled back; the files before
// it stay.
#include <gtest/gtest.h>

#include "store_fixture.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

using AbandonTest = StoreTest;

std::string Line(const std::string& symbol, const std::string& date, const std::string& tail = "") {
    return symbol + "," + symbol + " Corp," + date + ",1,2,0.5,1.5,100" + tail + "\n";
}

} // namespace

TEST_F(AbandonTest, CutsTheCurrentFileOffAndKeepsTheFilesBefore) {
    // Abandoned after `after` lines of the second file: whatever it stored is gone.
    for (int after : {0, 1, 2}) {
        SCOPED_TRACE(after);
        Exec("DELETE FROM DATATABLE");
        int file = 0, asked = 0;
        ImportCallbacks cb;
        cb.fileNumber = [&](int n) { file = n; };
        // Asked before every line: true before line `after` + 1 of the second file.
        cb.abandonRequested = [&] { return file == 2 && ++asked > after; };
        const ImportResult r =
            Import({Line("A", "03012006"),
                    Line("B", "03012006") + Line("B", "04012006") + Line("B", "05012006"),
                    Line("C", "03012006")},
                   cb);
        EXPECT_EQ(r.Outcome, ImportOutcome::Completed);
        EXPECT_TRUE(r.Abandoned);
        EXPECT_TRUE(r.Stopped);
        EXPECT_EQ(r.FilesRead, 1);
        EXPECT_EQ(r.LinesStored, 1);
        EXPECT_EQ(Count("DATATABLE"), 1);
        EXPECT_EQ(Scalar("SELECT SYMBOL FROM DATATABLE"), "A");
    }
}

TEST_F(AbandonTest, NeverAskedLeavesTheImportWhole) {
    ImportCallbacks cb;
    cb.abandonRequested = [] { return false; };
    const ImportResult r = Import({Line("A", "03012006"), Line("B", "03012006")}, cb);
    EXPECT_FALSE(r.Abandoned);
    EXPECT_FALSE(r.Stopped);
    EXPECT_EQ(r.FilesRead, 2);
    EXPECT_EQ(Count("DATATABLE"), 2);
}
