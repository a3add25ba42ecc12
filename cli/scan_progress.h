// Brevant Dira — the progress of `scan` on a terminal.
#pragma once

#include <chrono>

namespace brevant::cli {

// One line on stderr, redrawn at most ten times a second and only when
// stderr is a terminal: while the prices are read, how far and the time
// left; then the stocks done of the total and the time left. The line is
// ended when the object goes.
class ScanProgressLine {
public:
    ScanProgressLine();
    ~ScanProgressLine();
    ScanProgressLine(const ScanProgressLine&) = delete;
    ScanProgressLine& operator=(const ScanProgressLine&) = delete;

    // Rows read so far and the number expected (0 when unknown).
    void Reading(long rows, long expected);
    void Stocks(int done, int total);

private:
    using Clock = std::chrono::steady_clock;
    bool Due(bool last);
    void Draw(const char* what, double fraction, Clock::time_point since);

    bool enabled_;
    bool drawn_ = false;
    Clock::time_point last_{};
    Clock::time_point readingSince_{};
    Clock::time_point stocksSince_{};
    bool reading_ = false, screening_ = false;
};

} // namespace brevant::cli
