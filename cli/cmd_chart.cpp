// Brevant Dira — `brevant-cli chart TEXT --png FILE ...`: one stock's chart as
// a picture, drawn without a display.
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/compose_chart.h"
#include "chart/history_view.h"
#include "chart/render/chart_export.h"
#include "chart/render/chart_renderer.h"
#include "cli/chart_drawings.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/offscreen_app.h"
#include "cli/open_store.h"
#include "cli/option_values.h"
#include "cli/overlay_options.h"
#include "store/price_history.h"
#include "store/stock_list.h"
#include "store/whole_history.h"
#include "ta/day_date.h"

namespace brevant::cli {
namespace {

struct ChartOptions {
    std::optional<std::string> text;
    std::string png;
    ChartView view;
    OverlaySettings overlays;
    int width = 1600, height = 900;
    std::optional<std::string> window; // as given, read once every option is known
    bool wholeHistory = false;         // --history all
    std::optional<double> from, to;    // --from, --to
    bool noDrawings = false;           // --no-drawings
};

std::string IsoDate(double day) {
    const CivilDate d = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

// The window the options name. A name both kinds of window have ("1 Year")
// is the specified window's, unless the whole history was asked for.
std::string ChooseWindow(ChartOptions& o) {
    if (o.from || o.to) {
        if (o.window) return "chart: --window and --from/--to cannot be used together";
        if (o.from && o.to && *o.from > *o.to)
            return "chart: --from " + IsoDate(*o.from) + " is after --to " + IsoDate(*o.to);
        // Open ends are the first and the last stored day, set once loaded.
        o.view.history = HistoryChoice{.range = true};
        return {};
    }
    if (!o.window) {
        if (o.wholeHistory) o.view.history = HistoryChoice{.window = kAllHistory};
        return {};
    }
    const std::string& name = *o.window;
    const int history = HistoryWindowByName(name);
    const int specified = TimeWindowByName(name);
    if (history >= 0 && (o.wholeHistory || specified < 0)) {
        o.view.history = HistoryChoice{.window = history};
    } else if (specified >= 0) {
        o.view.window = std::string(kTimeWindows[specified].name);
    } else {
        return "chart: unknown window " + name;
    }
    return {};
}

std::string ReadChartOptions(const std::vector<std::string>& args, ChartOptions& o) {
    TOverlayParams& overlay = o.overlays.params;
    int indicators = 0;
    const CommandSyntax syntax{
        "chart",
        OptionWords::DoubleDash,
        {
            {"--png", TextValue(o.png)},
            {"--indicator",
             [&](const std::string& v) {
                 // Given again, each names the view of one more panel.
                 const int view = IndicatorViewByName(v);
                 if (view < 0) return "chart: unknown indicator " + v;
                 if (++indicators > kMostIndicatorPanels)
                     return "chart: --indicator may be given at most " +
                            std::to_string(kMostIndicatorPanels) + " times, one panel each";
                 if (indicators == 1)
                     o.view.indicator = view;
                 else
                     o.view.addedPanels.push_back(view);
                 return std::string();
             }},
            {"--style",
             [&](const std::string& v) {
                 o.view.priceStyle = PriceStyleByName(v);
                 if (o.view.priceStyle < 0) return "chart: unknown style " + v;
                 return std::string();
             }},
            {"--window",
             [&](const std::string& v) {
                 // Refused at once, as before the whole-history windows.
                 if (TimeWindowByName(v) < 0 && HistoryWindowByName(v) < 0)
                     return "chart: unknown window " + v;
                 o.window = v;
                 return std::string();
             }},
            {"--period", BarPeriodValue("chart", o.view.period)},
            {"--ma", MovingAveragesValue("chart", overlay,
                                         [&o] {
                                             o.overlays.PlotMA1 = o.overlays.PlotMA2 =
                                                 o.overlays.PlotMA3 = true;
                                         })},
            {"--bb", BollingerValue("chart", overlay, BollingerWords::PeriodOrBoth,
                                    [&o] { o.overlays.PlotBB = true; })},
            {"--size",
             [&](const std::string& v) {
                 if (!ReadWholeNumbers(v, 'x', {{o.width, 50, 10000}, {o.height, 50, 10000}}))
                     return "chart: --size needs WxH between 50 and 10000 pixels, not " + v;
                 return std::string();
             }},
            {"--history", HistoryValue("chart", o.wholeHistory)},
            {"--from", DateValue("chart", "--from", o.from)},
            {"--to", DateValue("chart", "--to", o.to)},
            {.name = "--log", .value = SwitchValue(o.view.logScale), .form = OptionForm::Alone},
            {.name = "--adjusted",
             .value = SwitchValue(o.view.adjusted),
             .form = OptionForm::Alone},
            {.name = "--no-drawings",
             .value = SwitchValue(o.noDrawings),
             .form = OptionForm::Alone},
        },
        OneText("chart", o.text)};
    if (std::string error = ReadCommandLine(syntax, args); !error.empty()) return error;
    if (!o.text) return MissingText("chart");
    if (o.png.empty()) return "chart needs --png FILE";
    return ChooseWindow(o);
}

// The stock's list text as the lists show it, for the chart's header.
std::string ListTextFor(TDataStore& store, const std::string& text, TIndicatorParams& params) {
    TStockList list;
    LoadStockList(store, list, params, ProgressCallbacks{});
    const std::string symbol = SymbolFromListText(text);
    for (const TStockfull& stock : list.Stocks)
        if (stock.Symbol == symbol) return ListText(stock);
    return text;
}

} // namespace

int RunChart(Context& ctx) {
    ChartOptions o;
    if (const std::string error = ReadChartOptions(ctx.args, o); !error.empty())
        return UsageError(error);
    if (IsTheDatabase(ctx, o.png))
        return UsageError("chart: --png " + o.png + " is the database itself; name another file");
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    const std::string listText = ListTextFor(store, ListTextFromArgument(*o.text), params);
    const bool wholeHistory = o.wholeHistory || o.view.NeedsWholeHistory();
    TBars bars;
    if (wholeHistory)
        LoadWholeHistory(store, listText, o.view.adjusted, bars);
    else
        LoadDataForName(store, listText, true, bars);
    const Drawings drawings = o.noDrawings ? Drawings{} : StoredDrawings(store, listText);
    store.DB1.Disconnect();
    if (bars.empty()) {
        std::fprintf(stderr, "brevant-cli: no quotes for %s\n", o.text->c_str());
        return 1;
    }
    if (o.view.history && o.view.history->range) {
        o.view.history->from = o.from.value_or(bars.front().Date);
        o.view.history->to = o.to.value_or(bars.back().Date);
    }
    CheckIndicatorBars(bars, o.view, params, o.overlays);

    StockSelection selection;
    selection.allStock = listText;
    const LocaleSettings locale = CliLocale();
    std::optional<ChartSpan> span;
    if (wholeHistory) {
        const HistoryStart start = StartOfHistoryView(bars, o.view, selection, locale);
        if (start.empty) {
            std::fprintf(stderr, "brevant-cli: no quotes for %s from %s to %s\n", o.text->c_str(),
                         IsoDate(o.view.history->from).c_str(),
                         IsoDate(o.view.history->to).c_str());
            return 1;
        }
        span = SpanOfViewport(start.viewport, start.statusText);
    }
    const ChartInputs inputs{bars, o.view, params, o.overlays, selection, locale};
    const ChartModel model = span ? ComposeChart(inputs, *span) : ComposeChart(inputs);

    OffscreenApp app;
    QCustomPlot plot;
    plot.resize(o.width, o.height);
    ChartRenderer renderer(plot, RenderOptions{true});
    renderer.Render(model, bars, selection.Any(), locale);
    DrawDrawings(renderer, drawings, bars, o.view.period);
    if (!SaveChartPng(plot, QString::fromLocal8Bit(o.png.c_str()), o.width, o.height)) {
        std::fprintf(stderr, "brevant-cli: cannot write %s\n", o.png.c_str());
        return 1;
    }
    if (!model.statusText.empty()) std::fprintf(stderr, "%s\n", model.statusText.c_str());
    return 0;
}

} // namespace brevant::cli
