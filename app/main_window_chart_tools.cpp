// Brevant Dira — the main window's tools beyond the specified chart: the
// drawings on the chart and the dialog that edits the indicator periods.
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
    ChartDrawings = new TChartDrawings(
        *ChartPane, store_, [this] { return ChartViewState().period; }, this);
    connect(ChartDrawings, &TChartDrawings::failed, StatusText1, &QLabel::setText);
}

void TForm1::IndicatorPeriods1Click() {
    if (!IndicatorPeriods) {
        // Saved periods are used at once: by the chart and its readout drawn
        // again now, and by every later screening run, which reads Params.
        const auto save = [this](const TIndicatorParams& edited) -> std::string {
            try {
                SaveIndicatorParams(store_, edited);
            } catch (const std::exception& e) {
                return e.what();
            }
            Params = edited;
            if (!shownStock_.empty()) CheckIndicator();
            return {};
        };
        IndicatorPeriods = new TIndicatorPeriodsWindow(Params, save, this);
    }
    ui::ShowModalOnce(IndicatorPeriods);
}

} // namespace brevant
