// Brevant Dira — the chart pane's indicator panels added under the price
// panel: which panel a click is on, and their rows of the detail panel.
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <qcustomplot.h>

#include "chart/indicator_views.h"
#include "chart/number_texts.h"
#include "chart/render/added_panel_rects.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_pane.h"
#include "chart/ui/panel_height_drag.h"
#include "ui/latin1.h"

namespace brevant {
namespace {

// As the designed rows of the detail panel.
constexpr int kRowHeight = 14;
constexpr int kFirstAddedRow = 13;

QFont CaptionFont() {
    QFont font("Times New Roman");
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(11);
    return font;
}

int UsedSlots(int indicator) {
    const IndicatorViewInfo* view = FindIndicatorView(indicator);
    int used = 0;
    if (view)
        for (const ReadoutSlot& slot : view->readout) used += slot.field ? 1 : 0;
    return used;
}

} // namespace

void TChartPane::setupAddedPanels() {
    connect(Chart1, &QCustomPlot::mousePress, this, [this](QMouseEvent* event) {
        emit panelPressed(PanelAt(event->position().toPoint()), event->button(),
                          event->globalPosition().toPoint());
    });
    new TPanelHeightDrag(*Renderer1, *Chart1); // the plot owns it
}

int TChartPane::PanelAt(QPoint at) const {
    if (Renderer1->indicatorPanel()->rect().contains(at)) return 0;
    const int added = Renderer1->addedPanels().At(at);
    return added < 0 ? -1 : added + 1;
}

void TChartPane::MarkActivePanel(int panel) {
    activePanel_ = panel;
    const bool several = Renderer1->addedPanels().Count() > 0;
    QLabel* title = Label(35);
    const QFrame::Shape shape = several && panel == 0 ? QFrame::Box : QFrame::NoFrame;
    if (title->frameShape() != shape) {
        title->setFrameShape(shape);
        title->adjustSize();
    }
    if (several) Renderer1->addedPanels().MarkActive(panel - 1);
}

void TChartPane::LayOutAddedReadout(const std::vector<int>& indicators) {
    if (indicators == readoutPanels_) return;
    readoutPanels_ = indicators;
    for (QLabel* label : addedReadout_) delete label;
    addedReadout_.clear();
    const int w = kPanelWidth;
    QFont valueFont = font();
    valueFont.setPixelSize(12);
    int row = kFirstAddedRow;
    auto place = [&](QLabel* label, int x, int width) {
        label->setGeometry(x, 1 + (row - 1) * kRowHeight, width, kRowHeight);
        label->show();
        addedReadout_.push_back(label);
    };
    for (std::size_t k = 0; k < indicators.size(); ++k) {
        const IndicatorViewInfo* view = FindIndicatorView(indicators[k]);
        auto* name = new QLabel(view ? ui::FromLatin1(view->name) : QString(), Panel3);
        name->setObjectName(QString("AddedPanel%1Name").arg(k + 2));
        name->setFont(CaptionFont());
        place(name, 4, w - 8);
        ++row;
        if (!view) continue;
        for (const ReadoutSlot& slot : view->readout) {
            if (!slot.field) continue;
            auto* caption = new QLabel(ui::FromLatin1(slot.caption), Panel3);
            caption->setFont(CaptionFont());
            place(caption, 4, w - 8);
            auto* value = new QLabel(Panel3);
            value->setFont(valueFont);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QPalette palette = value->palette();
            palette.setColor(QPalette::WindowText,
                             QColor(slot.colour.r, slot.colour.g, slot.colour.b));
            value->setPalette(palette);
            place(value, 86, w - 90);
            ++row;
        }
    }
    // The panel grows by the added rows; the side column moves the lists.
    const int rows = row - kFirstAddedRow;
    Panel3->resize(kPanelWidth, kPanelHeight + rows * kRowHeight + (rows ? 2 : 0));
}

void TChartPane::ReadOutAddedPanels(int bar) {
    const std::vector<int> indicators = host_.CurrentAddedPanels();
    LayOutAddedReadout(indicators);
    const TBars& bars = Series();
    const bool inRange = bar >= 0 && bar < static_cast<int>(bars.size());
    const char sep = host_.CurrentLocale().DecimalSeparator;
    std::size_t next = 0;
    for (const int indicator : indicators) {
        ++next; // the view's name
        const IndicatorViewInfo* view = FindIndicatorView(indicator);
        if (!view) continue;
        for (const ReadoutSlot& slot : view->readout) {
            if (!slot.field) continue;
            QLabel* value = addedReadout_[next + 1];
            value->setText(inRange ? ui::FromLatin1(Rounded4Text(bars[bar].*slot.field, sep))
                                   : QString());
            next += 2;
        }
    }
}

void TChartPane::ClearAddedReadout() {
    std::size_t next = 0;
    for (const int indicator : readoutPanels_) {
        ++next;
        for (int slot = 0; slot < UsedSlots(indicator); ++slot) {
            addedReadout_[next + 1]->clear();
            next += 2;
        }
    }
}

} // namespace brevant
