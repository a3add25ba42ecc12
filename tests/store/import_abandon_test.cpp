// The import's "abandon the current file" hook (a second stop signal): the
// file being read ends at once, its rows since its last commit rolled back.
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
        int file = 0, lines = 0;
        bool organizing = false;
        ImportCallbacks cb;
        cb.fileNumber = [&](int n) { file = n; };
        cb.lineNumber = [&](long) { ++lines; };
        cb.abandonFile = [&] { return file == 2 && lines >= 1 + after; };
        cb.organizing = [&] { organizing = true; };
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
        EXPECT_FALSE(organizing) << "no statistics refresh after a cut-off";
        EXPECT_EQ(Count("DATATABLE"), 1);
        EXPECT_EQ(Scalar("SELECT SYMBOL FROM DATATABLE"), "A");
    }
}

TEST_F(AbandonTest, RowsCommittedBeforeAnActionRowStay) {
    // An action row commits the quote rows before it; only the rows after it go.
    int lines = 0;
    ImportCallbacks cb;
    cb.lineNumber = [&](long) { ++lines; };
    cb.abandonFile = [&] { return lines == 3; };
    const ImportResult r =
        Import({Line("A", "03012006") + Line("A", "04012006", ",*Dividend,0.25,,:,") +
                Line("A", "05012006") + Line("A", "06012006")},
               cb);
    EXPECT_TRUE(r.Abandoned);
    EXPECT_EQ(r.FilesRead, 0);
    EXPECT_EQ(r.LinesStored, 2);
    EXPECT_EQ(Count("DATATABLE"), 2);
    EXPECT_EQ(Count("SPLIT"), 1);
}

TEST_F(AbandonTest, NeverAskedLeavesTheImportWhole) {
    ImportCallbacks cb;
    cb.abandonFile = [] { return false; };
    const ImportResult r = Import({Line("A", "03012006"), Line("B", "03012006")}, cb);
    EXPECT_FALSE(r.Abandoned);
    EXPECT_FALSE(r.Stopped);
    EXPECT_EQ(r.FilesRead, 2);
    EXPECT_EQ(Count("DATATABLE"), 2);
}
