// Brevant Dira — dates as day numbers.
#pragma once

namespace brevant {

// A date is a floating-point number of days counted from 30 December 1899
// (day 0); bar dates are whole numbers. The fraction, where present, is the
// time of day.
struct CivilDate {
    int year = 0, month = 0, day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool IsValidDate(int year, int month, int day);
int DaysInMonth(int year, int month);

// Whole day number of a calendar date; the date must be valid (1..9999).
int EncodeDate(int year, int month, int day);
// False (and `out` untouched) when the calendar date is not valid.
bool TryEncodeDate(int year, int month, int day, double& out);

// Calendar date of the day that contains `dayNumber` (time of day dropped).
CivilDate DecodeDate(double dayNumber);

// ISO weekday: 1 = Monday ... 7 = Sunday.
int DayOfTheWeek(double dayNumber);

// Time of day in [0, 1) of a day number; negative numbers count the time
// backwards from their whole day as the day-number convention does.
double TimeOfDay(double dayNumber);

} // namespace brevant
