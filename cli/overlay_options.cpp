// Brevant Dira — reading the overlay options that `bars` and `chart` share.
#include "cli/overlay_options.h"

#include <string>

#include "cli/option_values.h"

namespace brevant::cli {

WordReader MovingAveragesValue(std::string_view command, TOverlayParams& overlay,
                               std::function<void()> read) {
    return [command, &overlay, read](const std::string& v) -> std::string {
        if (!ReadWholeNumbers(v, ',', {{overlay.MA1, 1}, {overlay.MA2, 1}, {overlay.MA3, 1}}))
            return std::string(command) +
                   ": --ma needs three periods P1,P2,P3 of at least 1, not " + v;
        if (read) read();
        return {};
    };
}

WordReader BollingerValue(std::string_view command, TOverlayParams& overlay, BollingerWords words,
                          std::function<void()> read) {
    return [command, &overlay, words, read](const std::string& v) -> std::string {
        const std::string needs =
            std::string(command) + ": --bb needs N,K (N at least 1, K at least 0), not " + v;
        if (words == BollingerWords::PeriodAndWidth) {
            if (!ReadWholeNumbers(v, ',', {{overlay.BBPeriod, 1}, {overlay.BBWidth, 0}}))
                return needs;
        } else {
            if (!ReadWholeNumbers(v, ',', {{overlay.BBPeriod, 1}}) &&
                !ReadWholeNumbers(v, ',', {{overlay.BBPeriod, 0}, {overlay.BBWidth, 0}}))
                return needs;
            if (overlay.BBPeriod < 1)
                return std::string(command) + ": --bb period must be at least 1, not " + v;
        }
        if (read) read();
        return {};
    };
}

} // namespace brevant::cli
