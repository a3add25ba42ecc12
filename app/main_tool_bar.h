// Brevant Dira — the main window's tool bar: the menu as a row of captioned
// buttons, the tool buttons and the view combo boxes.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QToolBar;
class QToolButton;

namespace brevant {

struct TMainToolBar {
    // What the first-time guide shows of the tool bar, as laid out now:
    // the bar from its left end through the "Help" button.
    QPixmap ToolButtonsPicture();
    // Where the tool button with the hint `hint` ("Update Database") lies in
    // that picture; empty when no tool button has that hint.
    QRect ToolButtonRect(const QString& hint) const;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // Print
    QToolButton* SpeedButton2 = nullptr; // Update Database
    QToolButton* SpeedButton3 = nullptr; // Filter Database
    QToolButton* SpeedButton4 = nullptr; // Help
    QToolButton* SpeedButton5 = nullptr; // Cross Cursor
    QToolButton* SpeedButton6 = nullptr; // period: D, W, M
    QToolButton* SpeedButton7 = nullptr; // Overlay
};

} // namespace brevant
