// Executing statements and moving the cursor.
#include <gtest/gtest.h>

#include <vector>

#include "support/db_fixture.h"

using namespace brevant;
using brevant::testing::DatabaseTest;

class FblCursor : public DatabaseTest {
protected:
    // Fresh table T holding `n` rows with K = 1..n.
    void MakeRows(int n) {
        Exec("CREATE TABLE T (K INTEGER, S VARCHAR(10))");
        store.TR1.StartTransaction();
        for (int i = 1; i <= n; ++i) {
            store.SQL1.SetSQL("INSERT INTO T VALUES(?,?)");
            store.SQL1.Prepare();
            store.SQL1.ParamAsString(0, std::to_string(i));
            store.SQL1.ParamAsString(1, "row" + std::to_string(i));
            store.SQL1.ExecSQL();
        }
        store.TR1.Commit();
    }

    std::vector<int> ReadToEnd(TFBLDsql& q) {
        std::vector<int> keys;
        q.First();
        while (!q.Eof()) {
            keys.push_back(q.FieldAsInteger(0));
            q.Next();
        }
        return keys;
    }
};

TEST_F(FblCursor, NoRowsIsEofAtOnceAndFirstKeepsIt) {
    MakeRows(0);
    store.TR1.StartTransaction();
    store.SQL1.SetSQL("SELECT K FROM T");
    store.SQL1.ExecSQL();
    EXPECT_TRUE(store.SQL1.Eof());
    store.SQL1.First();
    EXPECT_TRUE(store.SQL1.Eof());
    store.TR1.Commit();
}

TEST_F(FblCursor, OneRowReadToTheEndStaysReadableAfterFirst) {
    MakeRows(1);
    store.TR1.StartTransaction();
    store.SQL1.SetSQL("SELECT K, S FROM T");
    store.SQL1.ExecSQL();
    EXPECT_EQ(ReadToEnd(store.SQL1), std::vector<int>{1});
    store.SQL1.First(); // does not execute again
    EXPECT_TRUE(store.SQL1.Eof());
    EXPECT_EQ(store.SQL1.FieldAsInteger(0), 1);
    EXPECT_EQ(store.SQL1.FieldAsString(1), "row1");
    store.TR1.Commit();
}

TEST_F(FblCursor, SeveralRowsFirstExecutesAgain) {
    MakeRows(3);
    store.TR1.StartTransaction();
    store.SQL1.SetSQL("SELECT K FROM T ORDER BY K");
    store.SQL1.ExecSQL();
    EXPECT_FALSE(store.SQL1.Bof()); // the automatic first fetch moved off it
    EXPECT_EQ(ReadToEnd(store.SQL1), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ReadToEnd(store.SQL1), (std::vector<int>{1, 2, 3}));
    store.TR1.Commit();
}

TEST_F(FblCursor, WithoutAutoFetchFirstFindsTheFirstRow) {
    MakeRows(2);
    store.TR1.StartTransaction();
    store.SQL1.AutoFetchFirst = false;
    store.SQL1.SetSQL("SELECT K FROM T ORDER BY K");
    store.SQL1.ExecSQL();
    EXPECT_EQ(ReadToEnd(store.SQL1), (std::vector<int>{1, 2}));
    EXPECT_EQ(ReadToEnd(store.SQL1), (std::vector<int>{1, 2}));
    store.TR1.Commit();
}

TEST_F(FblCursor, MaxFetchEndsTheCursorEarly) {
    MakeRows(5);
    store.TR1.StartTransaction();
    store.SQL1.MaxFetch = 2;
    store.SQL1.SetSQL("SELECT K FROM T ORDER BY K");
    store.SQL1.ExecSQL();
    EXPECT_EQ(ReadToEnd(store.SQL1), (std::vector<int>{1, 2}));
    store.TR1.Commit();
}

TEST_F(FblCursor, CommitUnpreparesAndParametersMustBeSetAgain) {
    MakeRows(0);
    store.TR1.StartTransaction();
    store.SQL1.SetSQL("INSERT INTO T VALUES(?,?)");
    store.SQL1.Prepare();
    store.SQL1.ParamAsString(0, "1");
    store.SQL1.ParamAsString(1, "a");
    store.SQL1.ExecSQL();
    store.TR1.CommitRetaining();
    EXPECT_FALSE(store.SQL1.Prepared());
    EXPECT_TRUE(store.SQL1.Eof());
    EXPECT_THROW(store.SQL1.ExecSQL(), EFBLError); // "Param 0 is not set"
    EXPECT_TRUE(store.SQL1.Prepared());
    store.TR1.Commit();
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T"), "1");
}

TEST_F(FblCursor, SameTextKeepsTheStatementButAsksForParametersAgain) {
    MakeRows(0);
    store.TR1.StartTransaction();
    for (int i = 0; i < 3; ++i) {
        store.SQL1.SetSQL("INSERT INTO T VALUES(?,?)");
        store.SQL1.Prepare();
        store.SQL1.ParamAsString(0, std::to_string(i));
        store.SQL1.ParamAsString(1, "x");
        store.SQL1.ExecSQL();
    }
    store.SQL1.SetSQL("INSERT INTO T VALUES(?,?)");
    EXPECT_TRUE(store.SQL1.Prepared());
    try {
        store.SQL1.ExecSQL();
        ADD_FAILURE() << "executed without parameters";
    } catch (const EFBLError& e) {
        EXPECT_STREQ(e.what(), "Param 0 is not set");
    }
    // A select run again through the same text starts a fresh cursor.
    store.SQL1.SetSQL("SELECT K FROM T ORDER BY K");
    store.SQL1.ExecSQL();
    store.SQL1.Next();
    store.SQL1.SetSQL("SELECT K FROM T ORDER BY K");
    EXPECT_TRUE(store.SQL1.Eof());
    store.SQL1.ExecSQL();
    EXPECT_EQ(store.SQL1.FieldAsInteger(0), 0);
    store.TR1.Commit();
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T"), "3");
}

TEST_F(FblCursor, DisconnectRollsBackAStartedTransaction) {
    MakeRows(0);
    store.TR1.StartTransaction();
    store.SQL1.SetSQL("INSERT INTO T VALUES(1, 'lost')");
    store.SQL1.ExecSQL();
    EXPECT_NO_THROW(store.DB1.Disconnect());
    EXPECT_FALSE(store.TR1.InTransaction());
    EXPECT_FALSE(store.SQL1.Prepared());
    store.DB1.Connect();
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T"), "0");
}

TEST_F(FblCursor, ExecuteProcedureHasOneCurrentRow) {
    Exec("CREATE PROCEDURE TWICE (X INTEGER) RETURNS (Y INTEGER) AS BEGIN Y = X * 2; END");
    store.TR1.StartTransaction();
    store.SQL1.SetSQL("EXECUTE PROCEDURE TWICE(?)");
    store.SQL1.Prepare();
    EXPECT_EQ(store.SQL1.StatementType(), TStatementType::ExecProcedure);
    store.SQL1.ParamAsString(0, "21");
    store.SQL1.ExecSQL();
    EXPECT_FALSE(store.SQL1.Eof());
    EXPECT_EQ(store.SQL1.FieldAsInteger(0), 42);
    store.SQL1.Next();
    EXPECT_TRUE(store.SQL1.Eof());
    store.TR1.Commit();
}

TEST_F(FblCursor, DestroyingAStartedTransactionRollsBack) {
    MakeRows(0);
    {
        TFBLTransaction tr(&store.DB1);
        TFBLDsql q(&tr);
        tr.StartTransaction();
        q.SetSQL("INSERT INTO T VALUES(7, 'gone')");
        q.ExecSQL();
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T"), "0");
}
