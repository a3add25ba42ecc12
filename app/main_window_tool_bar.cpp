// Brevant Dira — the main window's tool bar as the first-time guide shows it.
#include <QLayout>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "app/main_tool_bar.h"

namespace brevant {

QPixmap TMainToolBar::ToolButtonsPicture() {
    ToolBar1->resize(ToolBar1->sizeHint());
    const int right = SpeedButton4->geometry().right() + 4;
    const QRect part(0, 0, std::min(right, ToolBar1->width()), ToolBar1->height());
    ToolBar1->ensurePolished();
    if (ToolBar1->layout()) ToolBar1->layout()->activate();
    return ToolBar1->grab(part);
}

QRect TMainToolBar::ToolButtonRect(const QString& hint) const {
    // The picture starts at the tool bar's corner: bar coordinates are picture coordinates.
    for (const QToolButton* button :
         ToolBar1->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (button->toolTip() == hint) return button->geometry();
    return {};
}

} // namespace brevant
