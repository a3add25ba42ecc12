// Brevant Dira — the main window's indicator panels: the first one above the
// price panel and up to two added under it, each with its own view.
#pragma once

#include <QPoint>
#include <vector>

class QAction;
class QMenu;

namespace brevant {

class TForm1;

// The indicator combo box, the "&Graph" menu's indicator items and the
// indicator function keys act on the active panel: the one last clicked (the
// first one until another is clicked). The combo box holds the active
// panel's view; the others are kept here. With no panel added, the chart
// is exactly the one-panel chart.
class TIndicatorPanels {
public:
    explicit TIndicatorPanels(TForm1& window) : window_(window) {}

    // "Indicator Panels" in the "&Graph" menu: "Add Indicator Panel" (one
    // item a view) and "Remove Indicator Panel".
    void setupMenu(QMenu* graph);

    int Count() const { return static_cast<int>(views_.size()); }
    int Active() const { return active_; }
    // Every panel's view, top down, the active one's as the combo box holds it.
    std::vector<int> Views() const;
    // The views of the added panels only.
    std::vector<int> AddedViews() const;

    // A panel with `view` under the last one, made active; the chart redrawn.
    void Add(int view);
    // Panel `panel` (1 or 2; the first stays) taken away; the chart redrawn.
    void Remove(int panel);
    // Makes `panel` the one the view commands act on.
    void Activate(int panel);
    // All panels' views at once (the first panel's first), the first active;
    // views out of range and panels beyond three are dropped. No redraw.
    void Restore(const std::vector<int>& views);
    // The panel's context menu: add a panel, remove this one.
    void ShowMenu(int panel, QPoint global);

    QMenu* AddPanel1 = nullptr;      // "Add Indicator Panel"
    QAction* RemovePanel1 = nullptr; // "Remove Indicator Panel"

private:
    void FillAddMenu(QMenu* menu);
    void EnableItems();

    TForm1& window_;
    // The views of the panels; the active one's is the combo box's.
    std::vector<int> views_ = {0};
    int active_ = 0;
};

} // namespace brevant
