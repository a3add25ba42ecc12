// Brevant Dira — the view "Remember my view" keeps in the user's Qt
// settings between runs: never in the database, which other users share.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_view.h"

class QSettings;

namespace brevant {

struct RememberedView {
    std::string stock;                     // the list text of the stock shown
    std::vector<int> panels = {kMacdFull}; // indicator views, the first panel's first
    int period = 0;                        // 0 daily, 1 weekly, 2 monthly
    int window = kThreeMonths;             // into kTimeWindows; -1 while `history` is chosen
    std::optional<HistoryChoice> history;
    int priceStyle = kCandleStyle;
    OverlaySettings overlays;
    bool logScale = false, adjusted = false;
    std::vector<int> filter; // the filter dialog's basic page, control by control
    friend bool operator==(const RememberedView&, const RememberedView&) = default;
};

// The user's settings file of the program (an INI file under the user's
// configuration folder, brevant-dira/brevant-dira.ini).
std::unique_ptr<QSettings> OpenUserSettings();

// Whether the user asked to remember the view. A file that cannot be read,
// or whose setting is not a yes or no, answers false and says why in `note`.
bool RememberViewWanted(QSettings& settings, QString& note);
void SetRememberViewWanted(QSettings& settings, bool wanted);

// The view kept last; none when there is none, or when what is kept is not
// a view this program wrote (`note` then says so).
std::optional<RememberedView> ReadRememberedView(QSettings& settings, QString& note);
void WriteRememberedView(QSettings& settings, const RememberedView& view);
void ForgetRememberedView(QSettings& settings);

} // namespace brevant
