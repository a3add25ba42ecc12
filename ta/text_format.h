// Brevant Dira — date and number texts in the formats of a LocaleSettings.
#pragma once

#include <string>
#include <string_view>

#include "locale_settings.h"

namespace brevant {

// Formats a day number with a date/time pattern: d dd ddd dddd, m mm mmm mmmm
// (minutes after h), yy yyyy, h hh, n nn, s ss, z zzz; "/" and ":" stand for
// the locale's separators; text in single or double quotes is copied.
std::string FormatDateTime(std::string_view pattern, double dayNumber,
                           const LocaleSettings& locale);

// Reads a date written in the order of the locale's short date format
// (day, month and year separated by its date separator). Two numbers take the
// current year; a two-digit year falls within 50 years of the current one.
bool TryStrToDate(std::string_view text, const LocaleSettings& locale, double& out);
// A time "h:n[:s]" with the locale's time separator, as a fraction of a day.
bool TryStrToTime(std::string_view text, const LocaleSettings& locale, double& out);
// A date, optionally followed by blanks and a time.
bool TryStrToDateTime(std::string_view text, const LocaleSettings& locale, double& out);

// A number in general format with up to 15 significant digits, trailing zeros
// dropped ("0.1", "123456792", "1.10000002384186", "1E20").
std::string FloatToStr(double value, char decimalSeparator = '.');

// Strict number reading: optional blanks around, optional sign, digits with
// at most one decimal separator, optional exponent. False for anything else.
bool TryStrToFloat(std::string_view text, char decimalSeparator, double& out);

} // namespace brevant
