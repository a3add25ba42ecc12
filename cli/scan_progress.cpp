// Brevant Dira — the progress of `scan` on a terminal.
#include "cli/scan_progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace brevant::cli {
namespace {

std::string Duration(double seconds) {
    const long s = static_cast<long>(seconds + 0.5);
    if (s < 60) return std::to_string(s) + " s";
    return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
}

} // namespace

ScanProgressLine::ScanProgressLine() : enabled_(isatty(STDERR_FILENO) == 1) {}

ScanProgressLine::~ScanProgressLine() {
    if (drawn_) std::fputc('\n', stderr);
}

bool ScanProgressLine::Due(bool last) {
    if (!enabled_) return false;
    const Clock::time_point now = Clock::now();
    if (!last && drawn_ && now - last_ < std::chrono::milliseconds(100)) return false;
    last_ = now;
    return true;
}

void ScanProgressLine::Reading(long rows, long expected) {
    if (!reading_) {
        reading_ = true;
        readingSince_ = Clock::now();
    }
    if (!Due(false)) return;
    char what[64];
    if (expected <= 0) {
        std::snprintf(what, sizeof what, "reading prices: %ld rows", rows);
        std::fprintf(stderr, "\r\033[K%s", what);
        drawn_ = true;
        return;
    }
    // The expected count is a guess: the line never claims to be done early.
    const double fraction =
        std::min(0.99, static_cast<double>(rows) / static_cast<double>(expected));
    std::snprintf(what, sizeof what, "reading prices: %d%%", static_cast<int>(fraction * 100));
    Draw(what, fraction, readingSince_);
}

void ScanProgressLine::Stocks(int done, int total) {
    if (!screening_) {
        screening_ = true;
        stocksSince_ = Clock::now();
    }
    if (!Due(done == total)) return;
    char what[64];
    std::snprintf(what, sizeof what, "%d of %d stocks", done, total);
    Draw(what, total > 0 ? static_cast<double>(done) / total : 1.0, stocksSince_);
}

void ScanProgressLine::Draw(const char* what, double fraction, Clock::time_point since) {
    const double elapsed = std::chrono::duration<double>(Clock::now() - since).count();
    std::string left = "time left unknown";
    if (fraction > 0) left = Duration(elapsed * (1 - fraction) / fraction) + " left";
    std::fprintf(stderr, "\r\033[K%s, %s", what, left.c_str());
    drawn_ = true;
}

} // namespace brevant::cli
