// Brevant Dira — the pictures of the splash and the about box, drawn by the program.
#pragma once

#include <QPixmap>

namespace brevant {

// 400 × 250: a night-blue field with a rising candle chart and the product name.
QPixmap SplashPicture();
// 400 × 250: the same field with room for the about box's labels on the right.
QPixmap AboutPicture();

} // namespace brevant
