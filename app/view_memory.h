// Brevant Dira — "Remember my view": the main window's view kept at the end
// of a run and brought back at the next start.
#pragma once

#include <optional>

#include "app/remembered_view.h"

class QAction;
class QMenu;

namespace brevant {

class TForm1;

// Off by default, so that a first start looks as it always did. When on,
// the stock shown, the indicator panels, the period, the window, the price
// style, the overlays, the log and adjusted switches and the filter dialog's
// basic page come back at the next start. A settings file that cannot be
// read, or holds what this program did not write, is left alone and the
// start is the default one, with a note on stderr.
class TViewMemory {
public:
    explicit TViewMemory(TForm1& window) : window_(window) {}

    // "Remember my view", a switch at the end of the "&Graph" menu.
    void setupMenu(QMenu* graph);
    // At the start, once the stock list is filled: reads the switch and,
    // when it is on, brings the kept view back.
    void Restore();
    // At the end of a run: keeps the view when the switch is on.
    void Keep();

    // The view as the window's controls hold it, and back.
    RememberedView Current() const;
    void Apply(const RememberedView& view);

    QAction* RememberView1 = nullptr; // "Remember my view"

private:
    void Switched(bool on);

    TForm1& window_;
    bool started_ = false; // Restore ran: the controls hold a view worth keeping
};

} // namespace brevant
