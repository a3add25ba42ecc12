#include <gtest/gtest.h>

#include <optional>

#include "store/import_generation.h"
#include "store_fixture.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

class ImportGenerationTest : public StoreTest {
protected:
    std::optional<int> Generation() {
        TFBLTransaction t(&store.DB1);
        t.StartTransaction();
        std::optional<int> g = ReadImportGeneration(t);
        t.Commit();
        return g;
    }
    void Reopen() {
        store.DB1.Disconnect();
        const OpenResult opened = CheckFirebird(store, path, {});
        ASSERT_TRUE(opened) << opened.Message;
    }
};

const char* kOneFile = "AAA,Alpha,01122026,1,2,0.5,1.5,100\n"
                       "BBB,Beta,01122026,1,2,0.5,1.5,100,Dividend,0.2\n"
                       "BBB,Beta,02122026,1,2,0.5,1.5,100\n";

TEST_F(ImportGenerationTest, ANewFileStartsAtZeroAndEveryImportedFileRaisesIt) {
    EXPECT_EQ(Generation(), 0);
    ASSERT_EQ(Import({kOneFile}).Outcome, ImportOutcome::Completed);
    const std::optional<int> afterOne = Generation();
    ASSERT_TRUE(afterOne.has_value());
    EXPECT_GT(*afterOne, 0);
    ASSERT_EQ(Import({kOneFile, kOneFile}).Outcome, ImportOutcome::Completed);
    EXPECT_GT(Generation().value_or(0), *afterOne);
}

TEST_F(ImportGenerationTest, ARolledBackRaiseIsNeverSeen) {
    TFBLTransaction t(&store.DB1);
    t.StartTransaction();
    RaiseImportGeneration(t);
    EXPECT_EQ(ReadImportGeneration(t), 1); // its own transaction sees it
    EXPECT_EQ(Generation(), 0);            // nobody else does, before the commit
    t.Rollback();
    EXPECT_EQ(Generation(), 0);
}

TEST_F(ImportGenerationTest, ASnapshotKeepsTheGenerationItStartedWith) {
    TFBLTransaction reader(&store.DB1);
    reader.StartTransaction();
    EXPECT_EQ(ReadImportGeneration(reader), 0);
    ASSERT_EQ(Import({kOneFile}).Outcome, ImportOutcome::Completed);
    EXPECT_EQ(ReadImportGeneration(reader), 0);
    reader.Commit();
    EXPECT_GT(Generation().value_or(0), 0);
}

TEST_F(ImportGenerationTest, AFileWithoutTheTableOrItsRowCountsAsChangedUntilReopened) {
    Exec("DELETE FROM IMPORTGEN");
    EXPECT_EQ(Generation(), std::nullopt);
    // An import puts the row back.
    ASSERT_EQ(Import({kOneFile}).Outcome, ImportOutcome::Completed);
    EXPECT_EQ(Generation(), 1);

    Exec("DROP TABLE IMPORTGEN");
    EXPECT_EQ(Generation(), std::nullopt);
    Reopen();
    EXPECT_EQ(Generation(), 0);
    EXPECT_EQ(Count("DATATABLE"), 3); // the quote tables are not touched
}

// A start cut off between the table and its row, or a row deleted by hand:
// the next start puts the row back.
TEST_F(ImportGenerationTest, AMissingRowIsPutBackWhenReopened) {
    Exec("DELETE FROM IMPORTGEN");
    EXPECT_EQ(Generation(), std::nullopt);
    Reopen();
    EXPECT_EQ(Generation(), 0);
}

} // namespace
