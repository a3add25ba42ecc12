// Brevant Dira — the number and date formats that text conversions use.
#pragma once

#include <array>
#include <string>

namespace brevant {

// A copy of a locale's formats. The application fills one from the user's
// locale at start-up and passes it to the core; the core never asks the
// system itself. Texts are 8-bit (Latin-1).
struct LocaleSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongDateFormat = "dddd, d mmmm yyyy";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
    std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
};

// The program's own copy: the user's locale with the date separator forced to
// "." and the short date format "dd.mm.yyyy".
LocaleSettings WithProgramDates(LocaleSettings locale);

// The formats that conversions not given a LocaleSettings use (the database
// layer's date and number texts). Left as the user's locale sets them; the
// application sets them once at start-up, before any database work.
const LocaleSettings& ProcessFormats();
void SetProcessFormats(const LocaleSettings& formats);

} // namespace brevant
