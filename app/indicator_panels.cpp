// Brevant Dira — the main window's indicator panels: the first one above the
// price panel and up to two added under it, each with its own view.
#include "app/indicator_panels.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "app/main_window.h"
#include "chart/indicator_views.h"
#include "ui/latin1.h"

namespace brevant {

void TIndicatorPanels::setupMenu(QMenu* graph) {
    QMenu* panels = graph->addMenu("Indicator Panels");
    AddPanel1 = panels->addMenu("Add Indicator Panel");
    FillAddMenu(AddPanel1);
    RemovePanel1 = panels->addAction("Remove Indicator Panel");
    QObject::connect(RemovePanel1, &QAction::triggered, &window_, [this] {
        // The active added panel, else the lowest one.
        Remove(active_ > 0 ? active_ : Count() - 1);
    });
    EnableItems();
}

void TIndicatorPanels::FillAddMenu(QMenu* menu) {
    for (const IndicatorViewInfo& row : kIndicatorViews) {
        QAction* item = menu->addAction(ui::FromLatin1(row.name));
        QObject::connect(item, &QAction::triggered, &window_,
                         [this, v = int(row.view)] { Add(v); });
    }
}

void TIndicatorPanels::EnableItems() {
    if (AddPanel1) AddPanel1->setEnabled(Count() < kMostIndicatorPanels);
    if (RemovePanel1) RemovePanel1->setEnabled(Count() > 1);
}

std::vector<int> TIndicatorPanels::Views() const {
    std::vector<int> views = views_;
    views[std::size_t(active_)] = window_.Graph.ComboBox1->currentIndex();
    return views;
}

std::vector<int> TIndicatorPanels::AddedViews() const {
    const std::vector<int> views = Views();
    return {views.begin() + 1, views.end()};
}

void TIndicatorPanels::Add(int view) {
    if (Count() >= kMostIndicatorPanels || !FindIndicatorView(view)) return;
    views_ = Views();
    views_.push_back(view);
    Activate(Count() - 1);
    EnableItems();
    window_.CheckIndicator();
}

void TIndicatorPanels::Remove(int panel) {
    if (panel < 1 || panel >= Count()) return;
    views_ = Views();
    views_.erase(views_.begin() + panel);
    // The view commands go back to the first panel when theirs is gone.
    active_ = active_ == panel ? 0 : active_ > panel ? active_ - 1 : active_;
    window_.Graph.ComboBox1->setCurrentIndex(views_[std::size_t(active_)]);
    window_.Graph.CheckChosenItems();
    window_.ChartPane->MarkActivePanel(active_);
    EnableItems();
    window_.CheckIndicator();
}

void TIndicatorPanels::Activate(int panel) {
    if (panel < 0 || panel >= Count() || panel == active_) return;
    views_ = Views();
    active_ = panel;
    window_.Graph.ComboBox1->setCurrentIndex(views_[std::size_t(panel)]);
    window_.Graph.CheckChosenItems();
    window_.ChartPane->MarkActivePanel(active_);
}

void TIndicatorPanels::Restore(const std::vector<int>& views) {
    std::vector<int> kept;
    for (const int view : views)
        if (FindIndicatorView(view) && int(kept.size()) < kMostIndicatorPanels)
            kept.push_back(view);
    if (kept.empty()) return;
    views_ = kept;
    active_ = 0;
    window_.Graph.ComboBox1->setCurrentIndex(views_.front());
    window_.Graph.CheckChosenItems();
    window_.ChartPane->MarkActivePanel(active_);
    EnableItems();
}

void TIndicatorPanels::ShowMenu(int panel, QPoint global) {
    auto* menu = new QMenu(&window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QMenu* add = menu->addMenu("Add Indicator Panel");
    FillAddMenu(add);
    add->setEnabled(Count() < kMostIndicatorPanels);
    QAction* remove = menu->addAction("Remove This Panel");
    remove->setEnabled(panel >= 1 && panel < Count());
    QObject::connect(remove, &QAction::triggered, &window_, [this, panel] { Remove(panel); });
    menu->popup(global);
}

} // namespace brevant
