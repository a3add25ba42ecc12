// Brevant Dira — the chart pane beyond the specified chart: the stock's whole
// history, prepared for the view, and the part of it in view.
#include <cmath>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/history_view.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_pane.h"

namespace brevant {
namespace {

// Whether a history computed for `had` holds the values `want` draws: the
// same period, prices and calculations. The price style, the window and the
// scale need no other values.
bool SameSeries(const ChartView& had, const ChartView& want) {
    return had.indicator == want.indicator && had.addedPanels == want.addedPanels &&
           had.period == want.period && had.adjusted == want.adjusted;
}

} // namespace

ChartInputs TChartPane::Remembered(const TBars& bars) const {
    return {bars, last_->view, last_->params, last_->overlays, last_->selection, last_->locale};
}

const TBars& TChartPane::Series() const {
    return viewport_ ? history_ : host_.CurrentBars();
}

bool TChartPane::PrepareHistory() {
    if (!last_) return false;
    const LastInputs& want = *last_;
    if (historyFor_ && !history_.empty() && SameSeries(historyFor_->view, want.view) &&
        historyFor_->params == want.params && historyFor_->overlays == want.overlays)
        return true;
    TBars fresh;
    if (!host_.WholeHistoryBars(want.view.adjusted, fresh) || fresh.empty()) {
        TBars().swap(history_);
        historyFor_.reset();
        return false;
    }
    CheckIndicatorBars(fresh, want.view, want.params, want.overlays);
    // Other values over the same stock: the same dates stay in view.
    if (viewport_ && navigated_) viewport_ = viewport_->Remapped(history_, fresh);
    history_ = std::move(fresh);
    historyFor_ = want;
    return true;
}

void TChartPane::DrawHistory(const std::string& status) {
    const ChartSpan span = SpanOfViewport(*viewport_, status);
    Draw(Remembered(history_), &span);
}

void TChartPane::NewStock() {
    TBars().swap(history_);
    historyFor_.reset();
    viewport_.reset();
    navigated_ = false;
}

void TChartPane::ForgetNavigation() {
    navigated_ = false;
}

void TChartPane::ReturnToChosenWindow() {
    if (!navigated_ || !last_) return;
    navigated_ = false;
    // Drawn as the window's first drawing (the status names what the
    // history is short of); a specified view from the host's bars again.
    PlotData(Remembered(host_.CurrentBars()));
    if (mouseMovedOverChart_) ReadoutAt(lastMouseX_);
}

bool TChartPane::Navigate(const std::function<bool(ChartViewport&)>& move) {
    if (!last_) return false;
    const bool entering = !viewport_;
    if (entering) {
        // The specified chart is on screen: carry on from the same bars of
        // the whole history.
        const TBars& shown = host_.CurrentBars();
        if (shown.empty() || !PrepareHistory()) return false;
        const int n = static_cast<int>(shown.size());
        viewport_ = ChartViewport::ForWindow(n, WindowBars(last_->view.window, n))
                        .Remapped(shown, history_);
    } else if (!PrepareHistory()) {
        return false;
    }
    ChartViewport moved = *viewport_;
    if (!move(moved)) {
        // Nothing moved: the specified chart stays on screen, and so must
        // the series its positions count in.
        if (entering) viewport_.reset();
        return false;
    }
    viewport_ = moved;
    navigated_ = true;
    DrawHistory({});
    if (mouseMovedOverChart_) ReadoutAt(lastMouseX_);
    return true;
}

VisibleRange TChartPane::Visible() const {
    VisibleRange v;
    const TBars& series = Series();
    const int n = static_cast<int>(series.size());
    v.axisMin = model_.bottomRange.min;
    v.axisMax = model_.bottomRange.max;
    v.first = std::max(int(std::ceil(v.axisMin)), 0);
    v.last = std::min(int(std::floor(v.axisMax)), n - 1);
    if (v.last >= v.first) {
        v.firstDate = series[v.first].Date;
        v.lastDate = series[v.last].Date;
    }
    const QCPRange price = Renderer1->axis(ChartAxis::Right)->range();
    v.price = PriceScale(price.lower, price.upper, model_.axis(ChartAxis::Right).logScale);
    v.wholeHistory = viewport_.has_value();
    return v;
}

} // namespace brevant
