// Opening and creating the database file.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "store/bootstrap.h"
#include "store/schema.h"
#include "support/temp_dir.h"
#include "ta/day_date.h"
#include "ta/indicator_params.h"
#include "ta/locale_settings.h"

extern char** environ;

using namespace brevant;
using brevant::testing::TempDir;

namespace {

struct Recorder {
    std::vector<std::string> texts;
    ProgressCallbacks callbacks() {
        return {[this](const std::string& t) { texts.push_back(t); }, [] {}};
    }
};

std::vector<std::string> Column(TDataStore& s, const std::string& sql) {
    std::vector<std::string> out;
    s.TR1.StartTransaction();
    s.SQL1.SetSQL(sql);
    s.SQL1.ExecSQL();
    s.SQL1.First();
    while (!s.SQL1.Eof()) {
        std::string row = s.SQL1.FieldAsString(0);
        for (int i = 1; i < s.SQL1.FieldCount(); ++i) row += "=" + s.SQL1.FieldAsString(i);
        out.push_back(row);
        s.SQL1.Next();
    }
    s.TR1.Commit();
    return out;
}

std::vector<std::string> DefaultRows() {
    std::vector<std::string> rows;
    for (const IndicatorParamKey& k : kIndicatorParamKeys)
        rows.push_back(std::string(k.key) + "=" + k.DefaultText());
    return rows;
}

const char* kUserTables = "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE "
                          "RDB$SYSTEM_FLAG = 0 ORDER BY 1";
// The three quote tables; the import generation, the saved screens, the
// drawings and the stock tables of our own.
const std::vector<std::string> kAllTables = {"DATATABLE", "DRAWING",     "IMPORTGEN",
                                             "INDICATOR", "SAVEDSCREEN", "SPLIT",
                                             "STOCKBARS", "STOCKS",      "STOCKSTATE"};

// Every table, index, default row and the import generation of a file the
// program made, with the page cache it creates files with.
void ExpectCompleteFile(TDataStore& s) {
    EXPECT_EQ(Column(s, kUserTables), kAllTables);
    // Each index of the quote table with its columns in order.
    EXPECT_EQ(Column(s, "SELECT TRIM(S.RDB$INDEX_NAME), TRIM(S.RDB$FIELD_NAME) FROM "
                        "RDB$INDEX_SEGMENTS S JOIN RDB$INDICES I ON I.RDB$INDEX_NAME = "
                        "S.RDB$INDEX_NAME WHERE I.RDB$RELATION_NAME = 'DATATABLE' ORDER BY "
                        "S.RDB$INDEX_NAME, S.RDB$FIELD_POSITION"),
              (std::vector<std::string>{"IDX0=SYMBOL", "IDX0=DATA", "IDX0=OPN", "IDX0=HIGH",
                                        "IDX0=LOW", "IDX0=CLS", "IDX0=VOL", "IDX1=SYMBOL",
                                        "IDX2=STOCK", "IDX3=DATA"}));
    // The columns of the quote and action tables, with their types (37 text,
    // 12 date, 10 single-precision float) and lengths in bytes.
    const std::string columns =
        "SELECT TRIM(R.RDB$FIELD_NAME), F.RDB$FIELD_TYPE, F.RDB$FIELD_LENGTH FROM "
        "RDB$RELATION_FIELDS R JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE WHERE "
        "R.RDB$RELATION_NAME = '%' ORDER BY R.RDB$FIELD_POSITION";
    EXPECT_EQ(Column(s, std::string(columns).replace(columns.find('%'), 1, "DATATABLE")),
              (std::vector<std::string>{"SYMBOL=37=10", "STOCK=37=55", "DATA=12=4", "OPN=10=4",
                                        "HIGH=10=4", "LOW=10=4", "CLS=10=4", "VOL=10=4"}));
    EXPECT_EQ(Column(s, std::string(columns).replace(columns.find('%'), 1, "SPLIT")),
              (std::vector<std::string>{"SYMBOLA=37=10", "STOCKA=37=55", "DATAA=12=4", "ITEM=10=4",
                                        "ACTIONA=37=10"}));
    EXPECT_EQ(Column(s, schema::kSelectIndicator), DefaultRows());
    EXPECT_EQ(Column(s, "SELECT ID, GENERATION FROM IMPORTGEN"), std::vector<std::string>{"1=0"});
    // The stock tables follow the empty quote table.
    EXPECT_EQ(Column(s, "SELECT GENERATION FROM STOCKSTATE"), std::vector<std::string>{"0"});
    EXPECT_EQ(Column(s, "SELECT MON$PAGE_BUFFERS FROM MON$DATABASE"),
              std::vector<std::string>{std::to_string(kDatabasePageBuffers)});
    // No mark of an unfinished creation is left on the settings table.
    EXPECT_EQ(Column(s, "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$DESCRIPTION IS NOT NULL AND "
                        "RDB$SYSTEM_FLAG = 0"),
              std::vector<std::string>{"0"});
}

// Runs `steps` steps of the bootstrap on `path` in a process that then ends
// at once, attached; returns its exit status.
int CutBootstrapOff(const std::string& path, std::size_t steps) {
    std::string helper = CUT_BOOTSTRAP_PATH;
    std::string count = std::to_string(steps);
    std::vector<char*> argv = {helper.data(), const_cast<char*>(path.c_str()), count.data(),
                               nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, helper.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class Bootstrap : public ::testing::Test {
protected:
    void SetUp() override { SetProcessFormats(WithProgramDates(LocaleSettings{})); }
    TempDir dir;
};

TEST_F(Bootstrap, FirstRunCreatesTheSchemaAndDefaults) {
    const std::string path = dir.file("BREVDATA.BVD");
    Recorder progress;
    TDataStore s;
    ASSERT_TRUE(CheckFirebird(s, path, progress.callbacks()));
    EXPECT_TRUE(s.DB1.Connected());
    EXPECT_EQ(s.DB1.SQLDialect(), 3);
    EXPECT_EQ(progress.texts,
              (std::vector<std::string>{"Creating empty database...", "Creating table..."}));
    EXPECT_EQ(Column(s, kUserTables), kAllTables);
    EXPECT_EQ(Column(s, "SELECT TRIM(RDB$INDEX_NAME), TRIM(RDB$RELATION_NAME), RDB$UNIQUE_FLAG "
                        "FROM RDB$INDICES WHERE RDB$SYSTEM_FLAG = 0 AND "
                        "RDB$RELATION_NAME = 'DATATABLE' ORDER BY 1"),
              (std::vector<std::string>{"IDX0=DATATABLE=0", "IDX1=DATATABLE=0", "IDX2=DATATABLE=0",
                                        "IDX3=DATATABLE=0"}));
    EXPECT_EQ(Column(s, "SELECT TRIM(S.RDB$FIELD_NAME) FROM RDB$INDEX_SEGMENTS S WHERE "
                        "S.RDB$INDEX_NAME = 'IDX0' ORDER BY S.RDB$FIELD_POSITION"),
              (std::vector<std::string>{"SYMBOL", "DATA", "OPN", "HIGH", "LOW", "CLS", "VOL"}));
    EXPECT_EQ(Column(s, schema::kSelectIndicator), DefaultRows());
    EXPECT_EQ(Column(s, "SELECT COUNT(*) FROM DATATABLE"), std::vector<std::string>{"0"});
    EXPECT_EQ(Column(s, "SELECT COUNT(*) FROM SPLIT"), std::vector<std::string>{"0"});
    // The page cache lives in the file's header and is in force already.
    EXPECT_EQ(Column(s, "SELECT MON$PAGE_BUFFERS FROM MON$DATABASE"),
              std::vector<std::string>{std::to_string(kDatabasePageBuffers)});
}

TEST_F(Bootstrap, SecondRunWritesNothing) {
    const std::string path = dir.file("BREVDATA.BVD");
    {
        TDataStore s;
        ASSERT_TRUE(CheckFirebird(s, path, {}));
    }
    Recorder progress;
    TDataStore s;
    ASSERT_TRUE(CheckFirebird(s, path, progress.callbacks()));
    EXPECT_EQ(progress.texts, std::vector<std::string>{"Checking existing database..."});
    EXPECT_EQ(Column(s, schema::kSelectIndicator), DefaultRows());
    EXPECT_TRUE(CheckFirebird(s, path, {})) << "already connected: nothing to do";
}

// The page cache in a file's header: the size earlier versions wrote gives
// way to today's, once; a size chosen by other means is left alone.
TEST_F(Bootstrap, FormerPageCacheGivesWayAndOthersStay) {
    struct Case {
        int inHeader;
        int afterOpening;
    };
    for (const Case& c : {Case{kFormerPageBuffers, kDatabasePageBuffers}, Case{3000, 3000}}) {
        SCOPED_TRACE(c.inHeader);
        const std::string path = dir.file("cache" + std::to_string(c.inHeader) + ".BVD");
        {
            TDataStore s;
            ASSERT_TRUE(CheckFirebird(s, path, {}));
            s.TR1.StartTransaction();
            s.SQL1.SetSQL("INSERT INTO DATATABLE VALUES('ABC','Abc Corp','05.03.2026',1,2,0.5,1.5,"
                          "100)");
            s.SQL1.ExecSQL();
            s.TR1.Commit();
            s.DB1.Disconnect();
            s.DB1.SetPageBuffers = c.inHeader;
            s.DB1.Connect();
        }
        for (int start = 0; start < 2; ++start) {
            Recorder progress;
            TDataStore s;
            ASSERT_TRUE(CheckFirebird(s, path, progress.callbacks()));
            EXPECT_EQ(s.DB1.PageBuffers(), c.afterOpening);
            EXPECT_EQ(Column(s, "SELECT MON$PAGE_BUFFERS FROM MON$DATABASE"),
                      std::vector<std::string>{std::to_string(c.afterOpening)});
            EXPECT_EQ(progress.texts, std::vector<std::string>{"Checking existing database..."});
            EXPECT_EQ(Column(s, "SELECT SYMBOL, CLS, VOL FROM DATATABLE"),
                      std::vector<std::string>{"ABC=1.5=100"});
        }
    }
}

TEST_F(Bootstrap, OlderFileGetsTheMissingTablesAndKeepsItsRows) {
    const std::string path = dir.file("BREVDATA.BVD");
    {
        TFBLDatabase db;
        db.CreateDatabase(path, kDatabaseUser, kDatabasePassword, 3, 4096);
        db.DBFile = path;
        db.User = kDatabaseUser;
        db.Password = kDatabasePassword;
        db.Connect();
        TFBLTransaction tr(&db);
        TFBLDsql q(&tr);
        tr.StartTransaction();
        q.SetSQL(schema::CreateDataTable());
        q.ExecSQL();
        tr.CommitRetaining();
        q.SetSQL("INSERT INTO DATATABLE VALUES('ABC','Abc Corp','05.03.2026',1,2,0.5,1.5,100)");
        q.ExecSQL();
        tr.Commit();
    }
    TDataStore s;
    ASSERT_TRUE(CheckFirebird(s, path, {}));
    EXPECT_EQ(Column(s, kUserTables), kAllTables);
    EXPECT_EQ(Column(s, schema::kSelectIndicator), DefaultRows());
    EXPECT_EQ(Column(s, "SELECT SYMBOL, CLS, VOL FROM DATATABLE"),
              std::vector<std::string>{"ABC=1.5=100"});
    // The stock tables, filled from the rows the file holds.
    EXPECT_EQ(Column(s, "SELECT SYMBOL, STOCK, FIRSTDAY, LASTDAY, QUOTEROWS FROM STOCKS"),
              std::vector<std::string>{"ABC=Abc Corp=05.03.2026=05.03.2026=1"});
    EXPECT_EQ(Column(s, "SELECT SYMBOL, PART, DAYS FROM STOCKBARS"),
              std::vector<std::string>{"ABC=0=1"});
}

TEST_F(Bootstrap, EmptySettingsTableStaysEmpty) {
    const std::string path = dir.file("BREVDATA.BVD");
    {
        TDataStore s;
        ASSERT_TRUE(CheckFirebird(s, path, {}));
        s.TR1.StartTransaction();
        s.SQL1.SetSQL("DELETE FROM INDICATOR");
        s.SQL1.ExecSQL();
        s.TR1.Commit();
    }
    TDataStore s;
    ASSERT_TRUE(CheckFirebird(s, path, {}));
    EXPECT_EQ(Column(s, "SELECT COUNT(*) FROM INDICATOR"), std::vector<std::string>{"0"});
}

// A first start killed after any step of the creation: the next start makes
// the file whole, and one after that finds nothing more to do.
TEST_F(Bootstrap, CreationCutOffAfterEachStepIsCompletedByTheNextStart) {
    const std::size_t steps = BootstrapSteps().size();
    ASSERT_GT(steps, 3u);
    for (std::size_t done = 0; done < steps; ++done) {
        SCOPED_TRACE(done == 0 ? std::string("nothing done")
                               : std::string("cut after: ") + BootstrapSteps()[done - 1].name);
        const TempDir folder;
        const std::string path = folder.file("BREVDATA.BVD");
        ASSERT_EQ(CutBootstrapOff(path, done), 0);
        {
            TDataStore s;
            const OpenResult opened = CheckFirebird(s, path, {});
            ASSERT_TRUE(opened) << opened.Message;
            ExpectCompleteFile(s);
        }
        TDataStore s;
        ASSERT_TRUE(CheckFirebird(s, path, {}));
        EXPECT_EQ(Column(s, "SELECT COUNT(*) FROM INDICATOR"), std::vector<std::string>{"15"});
    }
}

// A file made elsewhere with the quote tables' data but without the indexes,
// the settings' defaults or the import generation: what is missing is
// created; nothing stored is changed or deleted.
TEST_F(Bootstrap, MissingPartsAreAddedAndStoredRowsKept) {
    const std::string path = dir.file("BREVDATA.BVD");
    {
        TFBLDatabase db;
        db.CreateDatabase(path, kDatabaseUser, kDatabasePassword, 3, 4096);
        db.DBFile = path;
        db.User = kDatabaseUser;
        db.Password = kDatabasePassword;
        db.Connect();
        TFBLTransaction tr(&db);
        TFBLDsql q(&tr);
        tr.StartTransaction();
        for (const std::string& create :
             {schema::CreateDataTable(), schema::CreateSplit(),
              std::string(schema::kCreateIndicator), schema::CreateQuoteIndex(2)}) {
            q.SetSQL(create);
            q.ExecSQL();
        }
        // A long description of the user's own does not disturb the look.
        const std::string comment = "COMMENT ON TABLE DATATABLE IS '" + std::string(100, 'x') + "'";
        q.SetSQL(comment);
        q.ExecSQL();
        tr.CommitRetaining();
        for (const char* insert :
             {"INSERT INTO DATATABLE VALUES('ABC','Abc Corp','05.03.2026',1,2,0.5,1.5,100)",
              "INSERT INTO SPLIT VALUES('ABC','Abc Corp','04.03.2026',2.1,'Split')",
              "INSERT INTO INDICATOR VALUES('RSI','21')"}) {
            q.SetSQL(insert);
            q.ExecSQL();
        }
        tr.Commit();
    }
    Recorder progress;
    TDataStore s;
    ASSERT_TRUE(CheckFirebird(s, path, progress.callbacks()));
    EXPECT_EQ(progress.texts, (std::vector<std::string>{"Checking existing database...",
                                                        "Building the stock table..."}));
    EXPECT_EQ(Column(s, "SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE "
                        "RDB$RELATION_NAME = 'DATATABLE' ORDER BY 1"),
              (std::vector<std::string>{"IDX0", "IDX1", "IDX2", "IDX3"}));
    EXPECT_EQ(Column(s, "SELECT SYMBOL, CLS, VOL FROM DATATABLE"),
              std::vector<std::string>{"ABC=1.5=100"});
    EXPECT_EQ(Column(s, "SELECT SYMBOLA, ACTIONA FROM SPLIT"),
              std::vector<std::string>{"ABC=Split"});
    // The user's settings table had rows: no defaults join them.
    EXPECT_EQ(Column(s, schema::kSelectIndicator), std::vector<std::string>{"RSI=21"});
    EXPECT_EQ(Column(s, "SELECT GENERATION FROM IMPORTGEN"), std::vector<std::string>{"0"});
}

// The file an older program left when its first creation was cut off before
// the quote table: every later list or import failed with "Table unknown".
TEST_F(Bootstrap, FileWithoutTheQuoteTableIsCompleted) {
    const std::string path = dir.file("BREVDATA.BVD");
    {
        TFBLDatabase db;
        db.CreateDatabase(path, kDatabaseUser, kDatabasePassword, 3, 4096);
    }
    Recorder progress;
    TDataStore s;
    const OpenResult opened = CheckFirebird(s, path, progress.callbacks());
    ASSERT_TRUE(opened) << opened.Message;
    EXPECT_EQ(progress.texts,
              (std::vector<std::string>{"Checking existing database...", "Creating table..."}));
    ExpectCompleteFile(s);
}

TEST_F(Bootstrap, DialectOneFileIsAdoptedAndReadsDatesAsMidnight) {
    const std::string path = dir.file("BREVDATA.BVD");
    const double day = EncodeDate(2024, 2, 29);
    {
        TFBLDatabase db;
        db.CreateDatabase(path, kDatabaseUser, kDatabasePassword, 1, 4096);
        db.DBFile = path;
        db.User = kDatabaseUser;
        db.Password = kDatabasePassword;
        db.Connect();
        EXPECT_EQ(db.SQLDialect(), 1);
        TFBLTransaction tr(&db);
        TFBLDsql q(&tr);
        tr.StartTransaction();
        q.SetSQL(schema::CreateDataTable());
        q.ExecSQL();
        tr.CommitRetaining();
        q.SetSQL(schema::kInsertQuote);
        q.Prepare();
        q.ParamAsString(0, "OLD");
        q.ParamAsString(1, "Old Data Inc");
        q.ParamAsDateTime(2, day);
        for (int i = 3; i < 8; ++i) q.ParamAsFloat(i, 1.5f);
        q.ExecSQL();
        tr.Commit();
    }
    TDataStore s;
    ASSERT_TRUE(CheckFirebird(s, path, {}));
    EXPECT_EQ(s.DB1.SQLDialect(), 1);
    EXPECT_EQ(Column(s, schema::kSelectIndicator), DefaultRows());
    s.TR1.StartTransaction();
    s.SQL1.SetSQL("SELECT DATA FROM DATATABLE");
    s.SQL1.ExecSQL();
    EXPECT_EQ(s.SQL1.FieldAsString(0), "29.02.2024"); // a timestamp at midnight shows no time
    EXPECT_EQ(s.SQL1.FieldAsDateTime(0), day);
    s.TR1.Commit();
}

TEST_F(Bootstrap, UnattachableFileFailsAndIsKept) {
    const std::string path = dir.write("BREVDATA.BVD", std::string(8192, 'x'));
    TDataStore s;
    const OpenResult opened = CheckFirebird(s, path, {});
    EXPECT_FALSE(opened);
    EXPECT_EQ(opened.Failure, OpenFailure::Other);
    EXPECT_FALSE(opened.Message.empty());
    EXPECT_FALSE(s.DB1.Connected());
    EXPECT_EQ(std::filesystem::file_size(path), 8192u);
}

TEST_F(Bootstrap, FileHeldByAnotherProcessFailsAndIsKept) {
    const std::string path = dir.file("BREVDATA.BVD");
    {
        TDataStore s;
        ASSERT_TRUE(CheckFirebird(s, path, {}));
    }
    const auto before = std::filesystem::file_size(path);
    const std::string ready = dir.file("ready"), release = dir.file("release");
    std::string helper = HOLD_OPEN_PATH;
    std::vector<char*> argv = {helper.data(), const_cast<char*>(path.c_str()),
                               const_cast<char*>(ready.c_str()), const_cast<char*>(release.c_str()),
                               nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, helper.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    for (int i = 0; i < 1000 && !std::filesystem::exists(ready); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(std::filesystem::exists(ready));

    TDataStore s;
    const OpenResult opened = CheckFirebird(s, path, {});
    EXPECT_EQ(opened.Failure, OpenFailure::InUseElsewhere) << opened.Message;
    EXPECT_FALSE(opened.Message.empty());
    EXPECT_FALSE(s.DB1.Connected());

    TempDir::Touch(release);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), before);
    ASSERT_TRUE(CheckFirebird(s, path, {})) << "usable again once released";
    EXPECT_EQ(Column(s, schema::kSelectIndicator), DefaultRows());
}

TEST_F(Bootstrap, MissingFileIsRefusedWhenNotToBeCreated) {
    const std::string path = dir.file("BREVDATA.BVD");
    Recorder progress;
    {
        TDataStore s;
        const OpenResult opened = CheckFirebird(s, path, progress.callbacks(), WhenMissing::Refuse);
        EXPECT_EQ(opened.Failure, OpenFailure::Missing);
        EXPECT_EQ(opened.Message, "no database at " + path);
        EXPECT_FALSE(s.DB1.Connected());
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_TRUE(progress.texts.empty());
        ASSERT_TRUE(CheckFirebird(s, path, {}));
    }
    TDataStore s;
    EXPECT_TRUE(CheckFirebird(s, path, {}, WhenMissing::Refuse)) << "an existing file opens";
}

TEST_F(Bootstrap, FolderWithAnApostrophe) {
    std::filesystem::create_directory(dir.path() / "o'brien");
    const std::string path = (dir.path() / "o'brien" / "BREVDATA.BVD").string();
    TDataStore s;
    const OpenResult opened = CheckFirebird(s, path, {});
    EXPECT_TRUE(opened) << opened.Message;
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(MissingFileMessage, FourLinesWithTheSupportAddress) {
    const std::string m = MissingFileMessage();
    EXPECT_EQ(m.rfind("Congratulation! You have successfully install the software.\r\n"
                      "However, you are missing a file. Try to reinstall the software\r\n"
                      "again. If this error repeats, then email ",
                      0),
              0u);
    EXPECT_NE(m.find("@"), std::string::npos);
    EXPECT_TRUE(m.ends_with("\r\nand inform that you are missing file a file."));
}
