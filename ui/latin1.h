// Brevant Dira — the program's 8-bit text on the screen and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace brevant::ui {

// The program is 8-bit: quote files, the database and the core's texts are
// bytes, shown as Latin-1. Header-only and Qt Core only, so that the chart
// renderer, which the command line uses without any window, shares it.
inline QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Characters beyond Latin-1 become "?".
inline std::string ToLatin1(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace brevant::ui
