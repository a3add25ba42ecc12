// Brevant Dira — `brevant-cli chart TEXT --png FILE ...`: one stock's chart as
// a picture, drawn without a display.
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/compose_chart.h"
#include "chart/render/chart_export.h"
#include "chart/render/chart_renderer.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/offscreen_app.h"
#include "cli/open_store.h"
#include "cli/option_values.h"
#include "cli/overlay_options.h"
#include "store/price_history.h"
#include "store/stock_list.h"

namespace brevant::cli {
namespace {

struct ChartOptions {
    std::optional<std::string> text;
    std::string png;
    ChartView view;
    OverlaySettings overlays;
    int width = 1600, height = 900;
};

std::string ReadChartOptions(const std::vector<std::string>& args, ChartOptions& o) {
    TOverlayParams& overlay = o.overlays.params;
    const CommandSyntax syntax{
        "chart",
        OptionWords::DoubleDash,
        {
            {"--png", TextValue(o.png)},
            {"--indicator",
             [&](const std::string& v) {
                 o.view.indicator = IndicatorViewByName(v);
                 if (o.view.indicator < 0) return "chart: unknown indicator " + v;
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
                 const int index = TimeWindowByName(v);
                 if (index < 0) return "chart: unknown window " + v;
                 o.view.window = std::string(kTimeWindows[index].name);
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
        },
        OneText("chart", o.text)};
    if (std::string error = ReadCommandLine(syntax, args); !error.empty()) return error;
    if (!o.text) return MissingText("chart");
    if (o.png.empty()) return "chart needs --png FILE";
    return {};
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
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    const std::string listText = ListTextFor(store, ListTextFromArgument(*o.text), params);
    TBars bars;
    LoadDataForName(store, listText, true, bars);
    store.DB1.Disconnect();
    if (bars.empty()) {
        std::fprintf(stderr, "brevant-cli: no quotes for %s\n", o.text->c_str());
        return 1;
    }
    CheckIndicatorBars(bars, o.view, params, o.overlays);

    StockSelection selection;
    selection.allStock = listText;
    const LocaleSettings locale = CliLocale();
    const ChartModel model = ComposeChart({bars, o.view, params, o.overlays, selection, locale});

    OffscreenApp app;
    QCustomPlot plot;
    plot.resize(o.width, o.height);
    ChartRenderer renderer(plot, RenderOptions{true});
    renderer.Render(model, bars, selection.Any(), locale);
    if (!SaveChartPng(plot, QString::fromLocal8Bit(o.png.c_str()), o.width, o.height)) {
        std::fprintf(stderr, "brevant-cli: cannot write %s\n", o.png.c_str());
        return 1;
    }
    if (!model.statusText.empty()) std::fprintf(stderr, "%s\n", model.statusText.c_str());
    return 0;
}

} // namespace brevant::cli
