// Brevant Dira — reading columns and writing parameters of the database
// layer's descriptors.
#include "fbl/fbl_values.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "fbl/fbl.h"
#include "ta/day_date.h"
#include "ta/locale_settings.h"
#include "ta/text_format.h"

namespace brevant::fbl {
namespace {

// The engine counts dates from 17 November 1858; day numbers from
// 30 December 1899.
constexpr int kEngineDateOffset = 15018;
constexpr double kTimeUnitsPerDay = 86400.0 * ISC_TIME_SECONDS_PRECISION;

std::string Format(const char* pattern, int index) {
    char buf[128];
    std::snprintf(buf, sizeof buf, pattern, index);
    return buf;
}

[[noreturn]] void FieldError(const char* pattern, int index) {
    throw EFBLError(Format(pattern, index));
}

int BaseType(const XSQLVAR& v) {
    return v.sqltype & ~1;
}
bool IsNull(const XSQLVAR& v) {
    return (v.sqltype & 1) && v.sqlind && *v.sqlind < 0;
}

double Scaled(std::int64_t value, int scale) {
    if (scale == 0) return static_cast<double>(value);
    return static_cast<double>(value) / std::pow(10.0, -scale);
}

std::int64_t IntegerValue(const XSQLVAR& v) {
    switch (BaseType(v)) {
    case SQL_SHORT: {
        ISC_SHORT x;
        std::memcpy(&x, v.sqldata, sizeof x);
        return x;
    }
    case SQL_LONG: {
        ISC_LONG x;
        std::memcpy(&x, v.sqldata, sizeof x);
        return x;
    }
    default: {
        ISC_INT64 x;
        std::memcpy(&x, v.sqldata, sizeof x);
        return x;
    }
    }
}

double DateValue(const XSQLVAR& v, int index, const char* error) {
    switch (BaseType(v)) {
    case SQL_TYPE_DATE: {
        ISC_DATE d;
        std::memcpy(&d, v.sqldata, sizeof d);
        return static_cast<double>(d - kEngineDateOffset);
    }
    case SQL_TYPE_TIME: {
        ISC_TIME t;
        std::memcpy(&t, v.sqldata, sizeof t);
        return t / kTimeUnitsPerDay;
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP ts;
        std::memcpy(&ts, v.sqldata, sizeof ts);
        const double day = ts.timestamp_date - kEngineDateOffset;
        const double time = ts.timestamp_time / kTimeUnitsPerDay;
        return day >= 0 ? day + time : day - time;
    }
    }
    FieldError(error, index);
}

bool InDateRange(double day) {
    const CivilDate c = DecodeDate(day);
    return c.year >= 1 && c.year <= 9999;
}

} // namespace

bool SupportedType(const XSQLVAR& v) {
    switch (BaseType(v)) {
    case SQL_VARYING:
    case SQL_TEXT:
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_BLOB:
    case SQL_ARRAY:
        return true;
    }
    return false;
}

int BufferSize(const XSQLVAR& v) {
    return v.sqllen + (BaseType(v) == SQL_VARYING ? 2 : 0);
}

std::string ColumnAsString(const XSQLVAR& v, int index) {
    if (IsNull(v)) return {};
    const LocaleSettings& f = ProcessFormats();
    switch (BaseType(v)) {
    case SQL_VARYING: {
        ISC_USHORT len;
        std::memcpy(&len, v.sqldata, sizeof len);
        return std::string(v.sqldata + 2, std::min<int>(len, v.sqllen));
    }
    case SQL_TEXT:
        return std::string(v.sqldata, static_cast<std::size_t>(v.sqllen));
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        if (v.sqlscale == 0) return std::to_string(IntegerValue(v));
        return FloatToStr(Scaled(IntegerValue(v), v.sqlscale), f.DecimalSeparator);
    case SQL_FLOAT: {
        float x;
        std::memcpy(&x, v.sqldata, sizeof x);
        return FloatToStr(x, f.DecimalSeparator);
    }
    case SQL_DOUBLE: {
        double x;
        std::memcpy(&x, v.sqldata, sizeof x);
        return FloatToStr(x, f.DecimalSeparator);
    }
    case SQL_TYPE_DATE: {
        const double d = DateValue(v, index, "DATE convertion error in field n .%d");
        if (!InDateRange(d)) FieldError("DATE convertion error in field n .%d", index);
        return FormatDateTime(f.ShortDateFormat, d, f);
    }
    case SQL_TIMESTAMP: {
        const double d = DateValue(v, index, "DATETIME convertion error in field n .%d");
        if (!InDateRange(d)) FieldError("DATETIME convertion error in field n .%d", index);
        std::string text = FormatDateTime(f.ShortDateFormat, d, f);
        if (TimeOfDay(d) != 0) {
            text += ' ';
            text += FormatDateTime(f.LongTimeFormat, d, f);
        }
        return text;
    }
    case SQL_TYPE_TIME:
        return FormatDateTime(f.LongTimeFormat,
                              DateValue(v, index, "TIME convertion error in field n .%d"), f);
    case SQL_BLOB:
        return "(Blob)";
    case SQL_ARRAY:
        return "(Array)";
    }
    FieldError("Invalid data convertion in field n. %d", index);
}

int ColumnAsInteger(const XSQLVAR& v, int index) {
    if (IsNull(v)) return 0;
    switch (BaseType(v)) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: {
        // 64-bit integers are read too: the engine answers COUNT(...) with
        // one in dialect 3, and the program reads counts as integers.
        const std::int64_t raw = IntegerValue(v);
        const double value = std::trunc(Scaled(raw, v.sqlscale));
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            FieldError("Invalid data convertion in field n. %d", index);
        return v.sqlscale == 0 ? static_cast<int>(raw) : static_cast<int>(value);
    }
    }
    FieldError("Invalid data convertion in field n. %d", index);
}

float ColumnAsFloat(const XSQLVAR& v, int index) {
    if (IsNull(v)) return 0.0f;
    switch (BaseType(v)) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return static_cast<float>(Scaled(IntegerValue(v), v.sqlscale));
    case SQL_FLOAT: {
        float x;
        std::memcpy(&x, v.sqldata, sizeof x);
        return x;
    }
    case SQL_DOUBLE: {
        double x;
        std::memcpy(&x, v.sqldata, sizeof x);
        return static_cast<float>(x);
    }
    }
    FieldError("Invalid data convertion in field n. %d", index);
}

double ColumnAsDateTime(const XSQLVAR& v, int index) {
    if (IsNull(v)) return 0;
    switch (BaseType(v)) {
    case SQL_TYPE_DATE:
        return DateValue(v, index, "DATE convertion error in field n .%d");
    case SQL_TIMESTAMP:
        return DateValue(v, index, "DATETIME convertion error in field n .%d");
    case SQL_TYPE_TIME:
        return DateValue(v, index, "TIME convertion error in field n .%d");
    }
    FieldError("Invalid data convertion in field n. %d", index);
}

namespace {

void SetNotNull(XSQLVAR& v) {
    if (v.sqlind) *v.sqlind = 0;
}

template <typename T> void StoreInteger(XSQLVAR& v, double value, int index, const char* overflow) {
    // The bounds as doubles are exact: -2^(n-1) and 2^(n-1), the first value
    // past the largest (which a 64-bit maximum would round up to).
    const double lowest = static_cast<double>(std::numeric_limits<T>::min());
    if (!(value >= lowest && value < -lowest)) throw EFBLError(Format(overflow, index));
    const T x = static_cast<T>(value);
    std::memcpy(v.sqldata, &x, sizeof x);
}

// A number into an integer, float or double parameter.
void StoreNumber(XSQLVAR& v, int index, double value) {
    switch (BaseType(v)) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: {
        double scaled =
            v.sqlscale == 0 ? std::trunc(value) : std::round(value * std::pow(10.0, -v.sqlscale));
        if (BaseType(v) == SQL_SHORT)
            StoreInteger<ISC_SHORT>(v, scaled, index, "Param %d type short overflow error");
        else if (BaseType(v) == SQL_LONG)
            StoreInteger<ISC_LONG>(v, scaled, index, "Param %d type long overflow error");
        else
            StoreInteger<ISC_INT64>(v, scaled, index, "Param %d type int64 overflow error");
        return;
    }
    case SQL_FLOAT: {
        // A finite number the column cannot hold is not a number for it.
        if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
            throw EFBLError(Format("Invalid data convertion in param n. %d", index));
        const float x = static_cast<float>(value);
        std::memcpy(v.sqldata, &x, sizeof x);
        return;
    }
    case SQL_DOUBLE:
        std::memcpy(v.sqldata, &value, sizeof value);
        return;
    }
    throw EFBLError(Format("Param %d type error", index));
}

// Day numbers of the years 1 to 9999, the dates the engine stores.
bool StorableDay(double value) {
    return value >= -693593.0 && value < 2958466.0;
}

void StoreDate(XSQLVAR& v, double value) {
    const ISC_DATE d = static_cast<ISC_DATE>(std::trunc(value)) + kEngineDateOffset;
    std::memcpy(v.sqldata, &d, sizeof d);
}

ISC_TIME WholeSeconds(double value) {
    const long ms = std::lround(TimeOfDay(value) * 86400000.0);
    const long seconds = std::min(ms / 1000, 86399L);
    return static_cast<ISC_TIME>(seconds * ISC_TIME_SECONDS_PRECISION);
}

void StoreTimestamp(XSQLVAR& v, double value) {
    ISC_TIMESTAMP ts;
    ts.timestamp_date = static_cast<ISC_DATE>(std::trunc(value)) + kEngineDateOffset;
    ts.timestamp_time = WholeSeconds(value);
    std::memcpy(v.sqldata, &ts, sizeof ts);
}

void StoreTime(XSQLVAR& v, double value) {
    const ISC_TIME t = WholeSeconds(value);
    std::memcpy(v.sqldata, &t, sizeof t);
}

} // namespace

void ParamFromString(XSQLVAR& v, int index, const std::string& text) {
    const LocaleSettings& f = ProcessFormats();
    switch (BaseType(v)) {
    case SQL_VARYING: {
        const ISC_USHORT len =
            static_cast<ISC_USHORT>(std::min<std::size_t>(text.size(), v.sqllen));
        std::memcpy(v.sqldata, &len, sizeof len);
        std::memcpy(v.sqldata + 2, text.data(), len);
        break;
    }
    case SQL_TEXT: {
        const std::size_t len = std::min<std::size_t>(text.size(), v.sqllen);
        std::memcpy(v.sqldata, text.data(), len);
        std::memset(v.sqldata + len, ' ', static_cast<std::size_t>(v.sqllen) - len);
        break;
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
    case SQL_FLOAT:
    case SQL_DOUBLE: {
        double value = 0;
        if (!TryStrToFloat(text, f.DecimalSeparator, value))
            throw EFBLError(Format("Invalid data convertion in param n. %d", index));
        StoreNumber(v, index, value);
        break;
    }
    case SQL_TYPE_DATE: {
        double value = 0;
        if (!TryStrToDate(text, f, value))
            throw EFBLError(Format("DATE convertion error in param n .%d", index));
        StoreDate(v, value);
        break;
    }
    case SQL_TIMESTAMP: {
        double value = 0;
        if (!TryStrToDateTime(text, f, value))
            throw EFBLError(Format("TIME convertion error in param n .%d", index));
        StoreTimestamp(v, value);
        break;
    }
    case SQL_TYPE_TIME: {
        double value = 0;
        if (!TryStrToTime(text, f, value))
            throw EFBLError(Format("TIME convertion error in param n .%d", index));
        StoreTime(v, value);
        break;
    }
    default: // blobs are not written by this program
        throw EFBLError(Format("Param %d type error", index));
    }
    SetNotNull(v);
}

void ParamFromFloat(XSQLVAR& v, int index, float value) {
    StoreNumber(v, index, value);
    SetNotNull(v);
}

void ParamFromDateTime(XSQLVAR& v, int index, double value) {
    if (!StorableDay(value)) {
        const bool date = BaseType(v) == SQL_TYPE_DATE;
        if (date || BaseType(v) == SQL_TIMESTAMP || BaseType(v) == SQL_TYPE_TIME)
            throw EFBLError(Format(date ? "DATE convertion error in param n .%d"
                                        : "TIME convertion error in param n .%d",
                                   index));
    }
    switch (BaseType(v)) {
    case SQL_TYPE_DATE:
        StoreDate(v, value);
        break;
    case SQL_TIMESTAMP:
        StoreTimestamp(v, value);
        break;
    case SQL_TYPE_TIME:
        StoreTime(v, value);
        break;
    default:
        throw EFBLError(Format("Param %d type error", index));
    }
    SetNotNull(v);
}

} // namespace brevant::fbl
