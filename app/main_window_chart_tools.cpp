// Brevant Dira — the main window's tools beyond the specified chart: the
// drawings on the chart (and on its printed page) and the dialog that edits
// the indicator periods.
#include <QLabel>
#include <exception>
#include <stdexcept>

#include "app/chart_drawings.h"
#include "app/main_window.h"
#include "chart/ui/indicator_periods_window.h"
#include "store/indicator_settings.h"
#include "ui/modal.h"

namespace brevant {

void TForm1::setupDrawings() {
    Analysis.Drawings = new TChartDrawings(
        *ChartPane, store_, [this] { return ChartViewState().period; }, this);
    connect(Analysis.Drawings, &TChartDrawings::failed, StatusText1, &QLabel::setText);
}

void TForm1::DecorateSheet(ChartRenderer& sheet, const TBars& bars) {
    if (Analysis.Drawings) Analysis.Drawings->DecorateSheet(sheet, bars);
}

void TMainMenu::IndicatorPeriods1Click() {
    TForm1& w = window_;
    if (!w.Analysis.PeriodsWindow) {
        // Saved periods are used at once: by the chart and its readout drawn
        // again now, and by every later screening run, which reads Params.
        const auto save = [&w](const TIndicatorParams& edited) -> std::string {
            try {
                SaveIndicatorParams(w.store_, edited);
            } catch (const std::exception& e) {
                return e.what();
            }
            w.Params = edited;
            if (!w.shownStock_.empty()) w.CheckIndicator();
            return {};
        };
        w.Analysis.PeriodsWindow = new TIndicatorPeriodsWindow(w.Params, save, &w);
    }
    ui::ShowModalOnce(w.Analysis.PeriodsWindow);
}

} // namespace brevant
