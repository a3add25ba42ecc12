// The quote indexes switched off for a large import and on again after it,
// and the bootstrap's repair of what a killed import left off.
#include <gtest/gtest.h>

#include "store/quote_indexes.h"
#include "store_fixture.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

using Names = std::vector<std::string>;
const Names kAllFour = {"IDX0", "IDX1", "IDX2", "IDX3"};

std::string Lines(const std::string& prefix, int stocks, int days, const std::string& tail = "") {
    std::string text = "<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>\n";
    for (int d = 1; d <= days; ++d)
        for (int s = 0; s < stocks; ++s) {
            char date[16];
            std::snprintf(date, sizeof date, "%02d012006", d);
            text += prefix + std::to_string(s) + "," + prefix + " Corp " + std::to_string(s) + "," +
                    date + ",1,2,0.5,1.5,100" + (s == 0 ? tail : "") + "\n";
        }
    return text;
}

class QuoteIndexTest : public StoreTest {
protected:
    // The indexes' columns, so that a rebuild can be seen to keep them.
    Names Definitions() {
        Names rows;
        TFBLTransaction t(&store.DB1);
        TFBLDsql q(&t);
        t.StartTransaction();
        q.SetSQL("SELECT TRIM(S.RDB$INDEX_NAME) || ':' || TRIM(S.RDB$FIELD_NAME) || ':' || "
                 "I.RDB$UNIQUE_FLAG || ':' || COALESCE(I.RDB$INDEX_TYPE, 0) FROM "
                 "RDB$INDEX_SEGMENTS S JOIN RDB$INDICES I ON I.RDB$INDEX_NAME = "
                 "S.RDB$INDEX_NAME WHERE I.RDB$RELATION_NAME = 'DATATABLE' ORDER BY "
                 "S.RDB$INDEX_NAME, S.RDB$FIELD_POSITION");
        q.ExecSQL();
        for (; !q.Eof(); q.Next()) rows.push_back(q.FieldAsString(0));
        return rows;
    }

    // The inactive indexes at the end of every file, seen from the import's
    // own attachment while it runs.
    ImportCallbacks Watch(std::vector<Names>& seen) {
        ImportCallbacks cb;
        cb.progress = [this, &seen](const ImportProgress& p) {
            if (seen.size() < static_cast<std::size_t>(p.File)) seen.push_back(InactiveIndexes());
            seen[static_cast<std::size_t>(p.File) - 1] = InactiveIndexes();
        };
        return cb;
    }

    int CountBySymbol(const std::string& symbol) {
        return std::stoi(Scalar("SELECT COUNT(*) FROM DATATABLE WHERE SYMBOL = '" + symbol + "'"));
    }

    void Reopen() {
        store.DB1.Disconnect();
        const OpenResult opened = CheckFirebird(store, path, {});
        ASSERT_TRUE(opened) << opened.Message;
    }
};

TEST(QuoteIndexRule, BulkLoadPaysForAFileLargeAgainstTheTable) {
    EXPECT_EQ(EstimatedRows(0), 0u);
    EXPECT_EQ(EstimatedRows(1), 1u);
    EXPECT_EQ(EstimatedRows(11959799), 186872u); // 175,000 lines of 68 bytes on average
    // A first import, a history into a few days, a daily file into a history.
    EXPECT_GE(BulkLoadTableLimit(175000), 175000u);
    EXPECT_GE(BulkLoadTableLimit(175000), 350000u);
    EXPECT_LT(BulkLoadTableLimit(5000), 1750000u / 10);
}

TEST_F(QuoteIndexTest, LargeFileLoadsWithIndexesOffAndRebuildsThemUnchanged) {
    const Names before = Definitions();
    ASSERT_EQ(before.size(), 10u); // 7 columns in IDX0, one in each other
    std::vector<Names> seen;
    const ImportResult r =
        Import({Lines("A", 40, 20, ",*Dividend,0.5,,:,"), Lines("B", 40, 20)}, Watch(seen));
    ASSERT_EQ(r.Outcome, ImportOutcome::Completed) << r.Message;
    EXPECT_EQ(seen, (std::vector<Names>{kAllFour, kAllFour}));
    EXPECT_TRUE(InactiveIndexes().empty());
    EXPECT_EQ(Definitions(), before);
    EXPECT_EQ(Count("DATATABLE"), 1600);
    EXPECT_EQ(CountBySymbol("A7"), 20);
    EXPECT_EQ(Count("SPLIT"), 20);
    // The statistics follow the rebuild: 80 distinct symbols.
    EXPECT_NEAR(std::stod(Scalar("SELECT RDB$STATISTICS FROM RDB$INDICES WHERE "
                                 "RDB$INDEX_NAME = 'IDX1'")),
                1.0 / 80, 1e-6);
}

TEST_F(QuoteIndexTest, SmallFileIntoALargerTableKeepsIndexesActive) {
    ASSERT_EQ(Import({Lines("A", 50, 20)}).Outcome, ImportOutcome::Completed); // 1,000 rows
    std::vector<Names> seen;
    const ImportResult r = Import({Lines("B", 3, 1)}, Watch(seen));
    ASSERT_EQ(r.Outcome, ImportOutcome::Completed) << r.Message;
    EXPECT_EQ(seen, (std::vector<Names>{{}}));
    EXPECT_EQ(CountBySymbol("B1"), 1);
}

TEST_F(QuoteIndexTest, AnotherAttachmentKeepsIndexesActive) {
    TDataStore other;
    other.DB1.DBFile = path;
    other.DB1.User = kDatabaseUser;
    other.DB1.Password = kDatabasePassword;
    other.DB1.Connect();
    std::vector<Names> seen;
    const ImportResult r = Import({Lines("A", 40, 20)}, Watch(seen));
    ASSERT_EQ(r.Outcome, ImportOutcome::Completed) << r.Message;
    EXPECT_EQ(seen, (std::vector<Names>{{}}));
    EXPECT_EQ(Count("DATATABLE"), 800);
}

TEST_F(QuoteIndexTest, FailedBulkImportSwitchesIndexesOnAgain) {
    Exec("DROP TABLE SPLIT");
    std::vector<Names> seen;
    const ImportResult r =
        Import({Lines("A", 40, 20), Lines("B", 40, 20, ",*Dividend,0.5,,:,")}, Watch(seen));
    EXPECT_EQ(r.Outcome, ImportOutcome::Failed);
    EXPECT_EQ(seen, (std::vector<Names>{kAllFour}));
    EXPECT_TRUE(InactiveIndexes().empty());
    EXPECT_EQ(Count("DATATABLE"), 800);
    EXPECT_EQ(CountBySymbol("A3"), 20);
}

TEST_F(QuoteIndexTest, CountingStopsAtItsCap) {
    ASSERT_EQ(Import({Lines("A", 10, 10)}).Outcome, ImportOutcome::Completed);
    TFBLTransaction t(&store.DB1);
    t.StartTransaction();
    EXPECT_EQ(CountQuoteRowsUpTo(t, 7), 7u);
    EXPECT_EQ(CountQuoteRowsUpTo(t, 1000), 100u);
}

// A process killed between switching off and on leaves the indexes off: the
// next open switches them on, unless another attachment (which could be
// importing) is on the database.
TEST_F(QuoteIndexTest, NextOpenSwitchesOnWhatAKilledImportLeftOff) {
    ASSERT_EQ(Import({Lines("A", 10, 10)}).Outcome, ImportOutcome::Completed);
    const Names before = Definitions();
    {
        TFBLTransaction t(&store.DB1);
        t.StartTransaction();
        SetQuoteIndexesActive(t, false);
    }
    ASSERT_EQ(InactiveIndexes(), kAllFour);

    {
        TDataStore other;
        other.DB1.DBFile = path;
        other.DB1.User = kDatabaseUser;
        other.DB1.Password = kDatabasePassword;
        other.DB1.Connect();
        Reopen();
        EXPECT_EQ(InactiveIndexes(), kAllFour);
    }
    Reopen();
    EXPECT_TRUE(InactiveIndexes().empty());
    EXPECT_EQ(Definitions(), before);
    EXPECT_EQ(CountBySymbol("A3"), 10);
}

} // namespace
