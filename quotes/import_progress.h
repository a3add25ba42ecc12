// Brevant Dira — how far an import has come, in figures a person can read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brevant {

// A snapshot of a running import. Bytes count over all chosen files, so the
// fraction and the time left are for the whole import.
struct ImportProgress {
    int File = 0;       // ordinal of the file being read, from 1
    int Files = 0;      // files chosen
    long FileLines = 0; // lines stored from the current file so far
    long Lines = 0;     // lines stored from all files so far
    std::uint64_t BytesRead = 0, BytesTotal = 0;
    double Seconds = 0; // since the import began

    // 0 to 1; 0 while nothing is known.
    double Fraction() const;
    double LinesPerSecond() const;
    // Empty until the rate can be told (the first second, the first percent).
    std::optional<double> SecondsLeft() const;
};

// "42%  31,500 lines/s  1:05 left"; the time left is left out while unknown.
std::string ProgressFigures(const ImportProgress& progress);

// "1:05", "12:00", "1:02:03".
std::string DurationText(double seconds);

// "31,500": a whole number grouped in threes.
std::string GroupedNumber(double value);

} // namespace brevant
