// Brevant Dira — the program's own small pictures: tool button icons, the window icon.
#pragma once

#include <QIcon>

namespace brevant {

QIcon PrintIcon();
QIcon CrossCursorIcon();
QIcon UpdateDatabaseIcon();
QIcon FilterDatabaseIcon();
QIcon HelpIcon();
QIcon SearchIcon();
// The program's icon: a rising candle chart on a dark blue tile.
QIcon ApplicationIcon();
QPixmap ApplicationPixmap(int size);

} // namespace brevant
