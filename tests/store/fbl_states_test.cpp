// The database layer's own errors and state transitions.
#include <gtest/gtest.h>

#include <functional>

#include "support/db_fixture.h"

using namespace brevant;
using brevant::testing::DatabaseTest;

namespace {

void ExpectError(const std::function<void()>& f, const std::string& message) {
    try {
        f();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const EFBLError& e) {
        EXPECT_EQ(e.what(), message);
        EXPECT_EQ(e.IscErrorCode, 0);
    }
}

} // namespace

class FblStates : public DatabaseTest {};

TEST_F(FblStates, LayerMessages) {
    TFBLDatabase detached;
    TFBLTransaction unbound;
    TFBLTransaction onDetached(&detached);
    TFBLDsql noTransaction;
    TFBLTransaction idle(&store.DB1);
    TFBLDsql inIdle(&idle);
    inIdle.SetSQL("SELECT 1 FROM RDB$DATABASE");
    TFBLDatabase remote;
    remote.Protocol = TProtocolType::ptTcpIp;

    struct Case {
        const char* name;
        std::function<void()> call;
        std::string message;
    } cases[] = {
        {"connect twice", [&] { store.DB1.Connect(); }, "Database already Connected"},
        {"disconnect detached", [&] { detached.Disconnect(); }, "No Active Connection"},
        {"start on detached", [&] { onDetached.StartTransaction(); }, "No Active Connection"},
        {"start unbound", [&] { unbound.StartTransaction(); }, "Database not assigned"},
        {"commit idle", [&] { idle.Commit(); }, "Transaction is not active"},
        {"commit retaining idle", [&] { idle.CommitRetaining(); }, "Transaction is not active"},
        {"rollback idle", [&] { idle.Rollback(); }, "Transaction is not active"},
        {"prepare in idle", [&] { inIdle.Prepare(); }, "Transaction is not active"},
        {"exec in idle", [&] { inIdle.ExecSQL(); }, "Transaction is not active"},
        {"prepare unbound", [&] { noTransaction.Prepare(); }, "Transaction is not Assigned"},
        {"dialect zero", [&] { store.DB1.SetSQLDialect(0); }, "Sql Dialect invalid"},
        {"dialect above the file's", [&] { store.DB1.SetSQLDialect(4); }, "Sql Dialect invalid"},
        {"remote without host", [&] { remote.Connect(); }, "Host name cannot be blank"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectError(c.call, c.message);
    }
}

TEST_F(FblStates, StatementMessages) {
    TFBLTransaction tr(&store.DB1);
    TFBLDsql q(&tr);
    tr.StartTransaction();
    struct Case {
        const char* sql;
        std::function<void()> call;
        std::string message;
    } cases[] = {
        {"", [&] { q.Prepare(); }, "Empty query"},
        {"SET TRANSACTION", [&] { q.Prepare(); }, "Statement: SET TRANSACTION\nNot permitted"},
        {"INSERT INTO INDICATOR VALUES(?,?)", [&] { q.ExecSQL(); }, "Param 0 is not set"},
        {"INSERT INTO INDICATOR VALUES(?,?)",
         [&] {
             q.Prepare();
             q.ParamAsString(0, "K");
             q.ExecSQL();
         },
         "Param 1 is not set"},
        {"INSERT INTO INDICATOR VALUES(?,?)",
         [&] {
             q.Prepare();
             q.ParamAsString(2, "x");
         },
         "Param index 2 out of range"},
        {"SELECT INDI FROM INDICATOR", [&] { q.ExecSQL(), q.FieldAsString(1); },
         "Field index 1 out of range"},
        {"SELECT INDI FROM INDICATOR", [&] { q.ExecSQL(), q.FieldAsString(-1); },
         "Field index -1 out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        q.SetSQL(c.sql);
        ExpectError(c.call, c.message);
        q.SetSQL("");
    }
    tr.Rollback();
}

TEST_F(FblStates, StartingAStartedTransactionFailsAndCanBeRepaired) {
    store.TR1.StartTransaction();
    ExpectError([&] { store.TR1.StartTransaction(); }, "Transaction is active");
    // The recovery the program uses: commit, then start again.
    store.TR1.Commit();
    store.TR1.StartTransaction();
    EXPECT_TRUE(store.TR1.InTransaction());
    store.TR1.Commit();
}

TEST_F(FblStates, ServerErrorsCarryTheEngineTextAndCode) {
    store.TR1.StartTransaction();
    store.SQL1.SetSQL("SELECT NOSUCHCOLUMN FROM INDICATOR");
    try {
        store.SQL1.ExecSQL();
        FAIL() << "no error";
    } catch (const EFBLError& e) {
        const std::string text = e.what();
        EXPECT_NE(e.IscErrorCode, 0);
        EXPECT_NE(text.find("NOSUCHCOLUMN"), std::string::npos) << text;
        // Lines are joined with CR LF and no line repeats the one before it.
        std::size_t start = 0;
        std::string previous;
        while (start <= text.size()) {
            std::size_t end = text.find("\r\n", start);
            const std::string line =
                text.substr(start, end == std::string::npos ? end : end - start);
            EXPECT_NE(line, previous);
            previous = line;
            if (end == std::string::npos) break;
            start = end + 2;
        }
    }
    EXPECT_FALSE(store.SQL1.Prepared());
    store.TR1.Commit();
}

TEST_F(FblStates, MissingFileIsAServerError) {
    TFBLDatabase db;
    db.User = kDatabaseUser;
    db.Password = kDatabasePassword;
    db.DBFile = dir.file("absent.BVD");
    try {
        db.Connect();
        FAIL() << "attached a missing file";
    } catch (const EFBLError& e) {
        EXPECT_NE(e.IscErrorCode, 0);
    }
    EXPECT_FALSE(db.Connected());
}

TEST(FblTransactionBlock, ParameterBlockBytes) {
    struct Case {
        const char* name;
        TAccessMode access;
        TIsolationLevel isolation;
        TLockResolution lock;
        std::string bytes;
    } cases[] = {
        {"server defaults", TAccessMode::amWrite, TIsolationLevel::ilConcurrency,
         TLockResolution::lrWait, ""},
        {"read committed, record versions", TAccessMode::amWrite,
         TIsolationLevel::ilReadCommitted_rec_version, TLockResolution::lrWait,
         "\x03\x09\x06\x0f\x11"},
        {"read committed, no record versions", TAccessMode::amWrite,
         TIsolationLevel::ilReadCommitted_no_rec_version, TLockResolution::lrWait,
         "\x03\x09\x06\x0f\x12"},
        {"read-only snapshot", TAccessMode::amRead, TIsolationLevel::ilConcurrency,
         TLockResolution::lrWait, "\x03\x08\x06\x02"},
        {"consistency, no wait", TAccessMode::amWrite, TIsolationLevel::ilConsistency,
         TLockResolution::lrNoWait, "\x03\x09\x07\x01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFBLTransaction t;
        t.AccessMode = c.access;
        t.IsolationLevel = c.isolation;
        t.LockResolution = c.lock;
        EXPECT_EQ(t.ParameterBlock(), c.bytes);
    }
    TDataStore store;
    EXPECT_EQ(store.Tindex.ParameterBlock(), "\x03\x09\x06\x0f\x11");
    EXPECT_EQ(store.TR1.ParameterBlock(), "");
}

TEST(FblConnection, ConnectionStrings) {
    TFBLDatabase db;
    db.DBFile = "/data/B.BVD";
    EXPECT_EQ(db.ConnectionString(), "/data/B.BVD");
    db.Protocol = TProtocolType::ptTcpIp;
    db.Host = "server";
    EXPECT_EQ(db.ConnectionString(), "server:/data/B.BVD");
    db.TcpPort = 3051;
    EXPECT_EQ(db.ConnectionString(), "server/3051:/data/B.BVD");
    db.Protocol = TProtocolType::ptNetBeui;
    EXPECT_EQ(db.ConnectionString(), "\\\\server\\/data/B.BVD");
}

TEST_F(FblStates, CursorNameIsFifteenLettersFromAToY) {
    const std::string& name = store.SQL1.CursorName();
    ASSERT_EQ(name.size(), 15u);
    for (char c : name) EXPECT_TRUE(c >= 'A' && c <= 'Y') << name;
}
