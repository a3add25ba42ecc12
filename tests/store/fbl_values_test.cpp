// Column reads and parameter writes of every type the layer supports.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "support/db_fixture.h"
#include "ta/day_date.h"

using namespace brevant;
using brevant::testing::DatabaseTest;

class FblValues : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Exec("CREATE TABLE V (VC VARCHAR(10), CH CHAR(5), SM SMALLINT, IN32 INTEGER, "
             "BI BIGINT, NU NUMERIC(9,2), FL FLOAT, DB DOUBLE PRECISION, DT DATE, "
             "TS TIMESTAMP, TM TIME, BL BLOB)");
        store.TR1.StartTransaction();
    }
    void TearDown() override {
        if (store.TR1.InTransaction()) store.TR1.Rollback();
    }

    // Inserts one row with `column` set through `write`, reads it back.
    void RoundTrip(const std::string& column, const std::function<void(TFBLDsql&)>& write) {
        store.SQL1.SetSQL("DELETE FROM V");
        store.SQL1.ExecSQL();
        store.SQL1.SetSQL("INSERT INTO V (" + column + ") VALUES (?)");
        store.SQL1.Prepare();
        write(store.SQL1);
        store.SQL1.ExecSQL();
        store.SQL1.SetSQL("SELECT " + column + " FROM V");
        store.SQL1.ExecSQL();
        ASSERT_FALSE(store.SQL1.Eof());
    }

    std::string ErrorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const EFBLError& e) {
            return e.what();
        }
        return "<no error>";
    }
};

TEST_F(FblValues, TextFromStrings) {
    struct Case {
        const char* column;
        std::string written;
        std::string read;
    } cases[] = {
        {"VC", "ABCDEFGHIJKL", "ABCDEFGHIJ"}, // cut to the declared length, no error
        {"VC", "AB", "AB"},
        {"CH", "AB", "AB   "}, // padded with blanks, which a read keeps
        {"CH", "ABCDEFG", "ABCDE"},
        {"SM", "12", "12"},
        {"IN32", "-7.9", "-7"}, // truncated toward zero
        {"BI", "9000000000", "9000000000"},
        {"NU", "12.345", "12.35"}, // rounded to the scale
        {"FL", "1.1", "1.10000002384186"},
        {"FL", "123456789", "123456792"},
        {"DB", "0.1", "0.1"},
        {"DT", "05.03.2026", "05.03.2026"},
        {"TS", "05.03.2026", "05.03.2026"},
        {"TS", "05.03.2026 13:45:10", "05.03.2026 13:45:10"},
        {"TM", "13:45:10", "13:45:10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " <- " + c.written);
        RoundTrip(c.column, [&](TFBLDsql& q) { q.ParamAsString(0, c.written); });
        EXPECT_EQ(store.SQL1.FieldAsString(0), c.read);
    }
}

TEST_F(FblValues, FloatsKeepTheirSinglePrecisionValue) {
    RoundTrip("FL", [](TFBLDsql& q) { q.ParamAsFloat(0, 123456789.0f); });
    EXPECT_EQ(store.SQL1.FieldAsFloat(0), 123456792.0f);
    EXPECT_EQ(store.SQL1.FieldAsString(0), "123456792");
    RoundTrip("FL", [](TFBLDsql& q) { q.ParamAsFloat(0, 1.1f); });
    EXPECT_EQ(store.SQL1.FieldAsFloat(0), 1.1f);
    RoundTrip("DB", [](TFBLDsql& q) { q.ParamAsFloat(0, 0.5f); });
    EXPECT_EQ(store.SQL1.FieldAsFloat(0), 0.5f);
    RoundTrip("NU", [](TFBLDsql& q) { q.ParamAsFloat(0, 12.345f); }); // 12.3450002...
    EXPECT_EQ(store.SQL1.FieldAsInteger(0), 12);
    EXPECT_EQ(store.SQL1.FieldAsString(0), "12.35");
    RoundTrip("IN32", [](TFBLDsql& q) { q.ParamAsFloat(0, -3.99f); });
    EXPECT_EQ(store.SQL1.FieldAsInteger(0), -3);
    EXPECT_EQ(store.SQL1.FieldAsFloat(0), -3.0f);
}

TEST_F(FblValues, DatesAndTimesFromDayNumbers) {
    const double day = EncodeDate(2026, 3, 5);
    RoundTrip("DT", [&](TFBLDsql& q) { q.ParamAsDateTime(0, day + 0.75); });
    EXPECT_EQ(store.SQL1.FieldAsString(0), "05.03.2026");
    EXPECT_EQ(store.SQL1.FieldAsDateTime(0), day);
    RoundTrip("TS", [&](TFBLDsql& q) { q.ParamAsDateTime(0, day + 0.5 + 1.7 / 86400); });
    EXPECT_EQ(store.SQL1.FieldAsString(0), "05.03.2026 12:00:01"); // whole seconds
    RoundTrip("TM", [&](TFBLDsql& q) { q.ParamAsDateTime(0, day + 0.25); });
    EXPECT_EQ(store.SQL1.FieldAsString(0), "06:00:00");
    RoundTrip("DT", [&](TFBLDsql& q) { q.ParamAsDateTime(0, EncodeDate(1899, 12, 30)); });
    EXPECT_EQ(store.SQL1.FieldAsDateTime(0), 0.0);
    RoundTrip("DT", [&](TFBLDsql& q) { q.ParamAsDateTime(0, EncodeDate(1858, 11, 17)); });
    EXPECT_EQ(store.SQL1.FieldAsString(0), "17.11.1858");
}

TEST_F(FblValues, NullsReadAsEmptyAndZero) {
    RoundTrip("VC", [](TFBLDsql& q) { q.ParamAsString(0, "x"); });
    store.SQL1.SetSQL("SELECT IN32, FL, VC, DT FROM V");
    store.SQL1.ExecSQL();
    EXPECT_TRUE(store.SQL1.FieldIsNull(0));
    EXPECT_EQ(store.SQL1.FieldAsString(0), "");
    EXPECT_EQ(store.SQL1.FieldAsInteger(0), 0);
    EXPECT_EQ(store.SQL1.FieldAsFloat(1), 0.0f);
    EXPECT_EQ(store.SQL1.FieldAsString(3), "");
    EXPECT_FALSE(store.SQL1.FieldIsNull(2));
}

TEST_F(FblValues, CountsReadAsIntegers) {
    // COUNT answers with a 64-bit integer in dialect 3.
    store.SQL1.SetSQL("SELECT COUNT(*), CAST(5000000000 AS BIGINT) FROM RDB$DATABASE");
    store.SQL1.ExecSQL();
    EXPECT_EQ(store.SQL1.FieldAsInteger(0), 1);
    EXPECT_EQ(ErrorOf([&] { store.SQL1.FieldAsInteger(1); }),
              "Invalid data convertion in field n. 1");
    EXPECT_EQ(store.SQL1.FieldAsString(1), "5000000000");
}

TEST_F(FblValues, ReadConversionErrors) {
    store.SQL1.SetSQL("INSERT INTO V (VC, FL, DT) VALUES ('12', 1.5, '05.03.2026')");
    store.SQL1.ExecSQL();
    store.SQL1.SetSQL("SELECT VC, FL, DT FROM V");
    store.SQL1.ExecSQL();
    EXPECT_EQ(ErrorOf([&] { store.SQL1.FieldAsInteger(0); }),
              "Invalid data convertion in field n. 0");
    EXPECT_EQ(ErrorOf([&] { store.SQL1.FieldAsFloat(0); }),
              "Invalid data convertion in field n. 0");
    EXPECT_EQ(ErrorOf([&] { store.SQL1.FieldAsInteger(1); }),
              "Invalid data convertion in field n. 1");
    EXPECT_EQ(ErrorOf([&] { store.SQL1.FieldAsFloat(2); }),
              "Invalid data convertion in field n. 2");
    EXPECT_EQ(ErrorOf([&] { store.SQL1.FieldAsDateTime(0); }),
              "Invalid data convertion in field n. 0");
}

TEST_F(FblValues, BlobsReadAsPlaceholders) {
    store.SQL1.SetSQL("INSERT INTO V (BL) VALUES ('some text')");
    store.SQL1.ExecSQL();
    store.SQL1.SetSQL("SELECT BL FROM V");
    store.SQL1.ExecSQL();
    EXPECT_EQ(store.SQL1.FieldAsString(0), "(Blob)");
}

TEST_F(FblValues, WriteConversionErrors) {
    struct Case {
        const char* column;
        std::function<void(TFBLDsql&)> write;
        std::string message;
    } cases[] = {
        {"SM", [](TFBLDsql& q) { q.ParamAsString(0, "40000"); },
         "Param 0 type short overflow error"},
        {"IN32", [](TFBLDsql& q) { q.ParamAsFloat(0, 3e9f); }, "Param 0 type long overflow error"},
        {"BI", [](TFBLDsql& q) { q.ParamAsFloat(0, 1e19f); }, "Param 0 type int64 overflow error"},
        // 2^63 itself: the first value past the largest 64-bit integer.
        {"BI", [](TFBLDsql& q) { q.ParamAsString(0, "9223372036854775807"); },
         "Param 0 type int64 overflow error"},
        {"BI", [](TFBLDsql& q) { q.ParamAsFloat(0, 9223372036854775808.0f); },
         "Param 0 type int64 overflow error"},
        {"IN32", [](TFBLDsql& q) { q.ParamAsString(0, "2147483648"); },
         "Param 0 type long overflow error"},
        // Beyond what a 32-bit float holds.
        {"FL", [](TFBLDsql& q) { q.ParamAsString(0, "1e39"); },
         "Invalid data convertion in param n. 0"},
        // Day numbers no date has.
        {"DT", [](TFBLDsql& q) { q.ParamAsDateTime(0, 1e300); },
         "DATE convertion error in param n .0"},
        {"DT", [](TFBLDsql& q) { q.ParamAsDateTime(0, std::nan("")); },
         "DATE convertion error in param n .0"},
        {"TS", [](TFBLDsql& q) { q.ParamAsDateTime(0, -1e12); },
         "TIME convertion error in param n .0"},
        {"TM", [](TFBLDsql& q) { q.ParamAsDateTime(0, std::numeric_limits<double>::infinity()); },
         "TIME convertion error in param n .0"},
        {"IN32", [](TFBLDsql& q) { q.ParamAsString(0, "abc"); },
         "Invalid data convertion in param n. 0"},
        {"FL", [](TFBLDsql& q) { q.ParamAsString(0, "1,5"); },
         "Invalid data convertion in param n. 0"},
        {"DT", [](TFBLDsql& q) { q.ParamAsString(0, "31.02.2026"); },
         "DATE convertion error in param n .0"},
        {"TS", [](TFBLDsql& q) { q.ParamAsString(0, "noon"); },
         "TIME convertion error in param n .0"},
        {"TM", [](TFBLDsql& q) { q.ParamAsString(0, "25:00"); },
         "TIME convertion error in param n .0"},
        {"VC", [](TFBLDsql& q) { q.ParamAsFloat(0, 1.0f); }, "Param 0 type error"},
        {"DT", [](TFBLDsql& q) { q.ParamAsFloat(0, 1.0f); }, "Param 0 type error"},
        {"FL", [](TFBLDsql& q) { q.ParamAsDateTime(0, 1.0); }, "Param 0 type error"},
        {"VC", [](TFBLDsql& q) { q.ParamAsDateTime(0, 1.0); }, "Param 0 type error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + " on " + c.column);
        store.SQL1.SetSQL(std::string("INSERT INTO V (") + c.column + ") VALUES (?)");
        store.SQL1.Prepare();
        EXPECT_EQ(ErrorOf([&] { c.write(store.SQL1); }), c.message);
        // The failed write leaves the parameter unset.
        EXPECT_EQ(ErrorOf([&] { store.SQL1.ExecSQL(); }), "Param 0 is not set");
    }
}

TEST_F(FblValues, ProcessDecimalSeparatorIsUsedForNumberTexts) {
    LocaleSettings comma = WithProgramDates(LocaleSettings{});
    comma.DecimalSeparator = ',';
    SetProcessFormats(comma);
    RoundTrip("DB", [](TFBLDsql& q) { q.ParamAsString(0, "2,5"); });
    EXPECT_EQ(store.SQL1.FieldAsString(0), "2,5");
    SetProcessFormats(WithProgramDates(LocaleSettings{}));
}
