// How units of work end: what a failed unit wrote never becomes stored, not
// by its own error and not by the next unit on the same transaction.
#include <gtest/gtest.h>

#include <stdexcept>

#include "store/price_history.h"
#include "store/transaction_guard.h"
#include "store_fixture.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

using UnitOfWorkTest = StoreTest;

const double kDay = EncodeDate(2026, 3, 2);

// One quote row written through `sql` in the transaction it is bound to,
// left uncommitted.
void InsertUncommitted(TFBLDsql& sql, const std::string& symbol) {
    sql.SetSQL("INSERT INTO DATATABLE VALUES(?,?,?,?,?,?,?,?)");
    sql.Prepare();
    sql.ParamAsString(0, symbol);
    sql.ParamAsString(1, symbol + " Corp");
    sql.ParamAsDateTime(2, kDay);
    for (int i = 3; i < 8; ++i) sql.ParamAsFloat(i, 1);
    sql.ExecSQL();
}

std::vector<std::string> Symbols(const std::vector<QuoteRow>& rows) {
    std::vector<std::string> symbols;
    for (const QuoteRow& row : rows) symbols.push_back(row.symbol);
    return symbols;
}

} // namespace

// A unit that failed without ending its transaction leaves a written row
// behind; the next unit that starts the same transaction rolls it back.
TEST_F(UnitOfWorkTest, NextUnitRollsBackWhatAFailedUnitLeftStarted) {
    struct Case {
        const char* name;
        TFBLTransaction TDataStore::*transaction;
        TFBLDsql TDataStore::*statement;
    };
    const Case cases[] = {
        {"TR1: loading a stock", &TDataStore::TR1, &TDataStore::SQL1},
        {"tr3: importing a file", &TDataStore::tr3, &TDataStore::sql3},
        {"TSplit: storing an action", &TDataStore::TSplit, &TDataStore::SQLSplit},
        {"Tindex: refreshing statistics", &TDataStore::Tindex, &TDataStore::SQL_index},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Exec("DELETE FROM DATATABLE");
        Exec("DELETE FROM SPLIT");
        TFBLTransaction& leftover = store.*c.transaction;
        leftover.StartTransaction();
        InsertUncommitted(store.*c.statement, "LEFT");

        // Loading reads in TR1; an import with an action uses the other three.
        TBars bars;
        LoadDataForName(store, " , LEFT", true, bars);
        EXPECT_TRUE(bars.empty());
        const ImportResult r =
            Import({"NEW,New Corp,02032026,1,2,0.5,1.5,100,*Dividend,0.25,,:,\n"});
        EXPECT_EQ(r.Outcome, ImportOutcome::Completed) << r.Message;

        EXPECT_EQ(Symbols(Quotes()), std::vector<std::string>{"NEW"});
        EXPECT_EQ(Actions().size(), 1u);
        EXPECT_FALSE(leftover.InTransaction());
    }
}

// A unit that commits part of its work and starts its transaction again keeps
// one guard: an error after the restart rolls back only the unfinished part.
TEST_F(UnitOfWorkTest, GuardRollsBackTheRestartedTransactionOnError) {
    auto unit = [&] {
        store.tr3.StartTransaction();
        TransactionGuard guard(store.tr3);
        InsertUncommitted(store.sql3, "FIRST");
        guard.Commit();
        store.tr3.StartTransaction();
        InsertUncommitted(store.sql3, "SECOND");
        throw std::runtime_error("failed after the restart");
    };
    EXPECT_THROW(unit(), std::runtime_error);
    EXPECT_FALSE(store.tr3.InTransaction());
    EXPECT_EQ(Symbols(Quotes()), std::vector<std::string>{"FIRST"});
}

// Leaving the scope without Commit (an early return) rolls back as well.
TEST_F(UnitOfWorkTest, GuardRollsBackWithoutCommit) {
    {
        store.TSplit.StartTransaction();
        TransactionGuard guard(store.TSplit);
        InsertUncommitted(store.SQLSplit, "LOST");
    }
    EXPECT_FALSE(store.TSplit.InTransaction());
    EXPECT_EQ(Count("DATATABLE"), 0);
}
