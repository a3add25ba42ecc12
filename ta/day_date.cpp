// Brevant Dira — dates as day numbers.
#include "day_date.h"

#include <cmath>

namespace brevant {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

CivilDate CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long kEpochOffset = 25569; // 1970-01-01 as a day number

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

} // namespace

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

int EncodeDate(int year, int month, int day) {
    return static_cast<int>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        kEpochOffset);
}

bool TryEncodeDate(int year, int month, int day, double& out) {
    if (!IsValidDate(year, month, day)) return false;
    out = EncodeDate(year, month, day);
    return true;
}

CivilDate DecodeDate(double dayNumber) {
    // Negative day numbers carry their time backwards from the whole day, so
    // truncation (not floor) finds the day.
    return CivilFromDays(static_cast<long>(std::trunc(dayNumber)) - kEpochOffset);
}

int DayOfTheWeek(double dayNumber) {
    // Day 0 (30 Dec 1899) was a Saturday (ISO 6).
    const long d = static_cast<long>(std::trunc(dayNumber));
    long w = (d + 5) % 7; // 0 = Monday
    if (w < 0) w += 7;
    return static_cast<int>(w) + 1;
}

double TimeOfDay(double dayNumber) {
    return std::fabs(dayNumber - std::trunc(dayNumber));
}

} // namespace brevant
