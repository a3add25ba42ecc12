// Brevant Dira — running a test under another C library numeric locale.
#pragma once

#include <clocale>
#include <string>

namespace brevant::testing {

// A comma-decimal locale the set-up script installs (scripts/install-deps.sh).
inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Switches LC_NUMERIC to `name` for its lifetime, as a toolkit that follows
// the user's environment does; Installed() says whether the switch took.
class NumericLocale {
public:
    explicit NumericLocale(const char* name) : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
        installed_ = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    ~NumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    NumericLocale(const NumericLocale&) = delete;
    NumericLocale& operator=(const NumericLocale&) = delete;

    bool Installed() const { return installed_; }

private:
    std::string previous_;
    bool installed_ = false;
};

} // namespace brevant::testing
