// Brevant Dira — `brevant-cli chart TEXT --png FILE ...`: one stock's chart as
// a picture, drawn without a display.
#include <QApplication>
#include <charconv>
#include <cstdio>
#include <memory>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/compose_chart.h"
#include "chart/render/chart_export.h"
#include "chart/render/chart_renderer.h"
#include "cli/commands.h"
#include "cli/open_store.h"
#include "store/price_history.h"
#include "store/stock_list.h"

namespace brevant::cli {
namespace {

struct ChartOptions {
    std::string text;
    std::string png;
    ChartView view;
    OverlaySettings overlays;
    int width = 1600, height = 900;
};

// Whole numbers separated by `separator`, each at least `low`.
bool ParseNumbers(const std::string& s, char separator, std::vector<int*> out, int low) {
    const char* p = s.data();
    const char* end = s.data() + s.size();
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i > 0) {
            if (p == end || *p != separator) return false;
            ++p;
        }
        const auto [next, ec] = std::from_chars(p, end, *out[i]);
        if (ec != std::errc() || *out[i] < low) return false;
        p = next;
    }
    return p == end;
}

std::string ParseOption(const std::string& a, const std::string& v, ChartOptions& o) {
    if (a == "--png") {
        o.png = v;
    } else if (a == "--indicator") {
        o.view.indicator = IndicatorViewByName(v);
        if (o.view.indicator < 0) return "chart: unknown indicator " + v;
    } else if (a == "--style") {
        o.view.priceStyle = PriceStyleByName(v);
        if (o.view.priceStyle < 0) return "chart: unknown style " + v;
    } else if (a == "--window") {
        const int index = TimeWindowByName(v);
        if (index < 0) return "chart: unknown window " + v;
        o.view.window = std::string(kTimeWindows[index].name);
    } else if (a == "--period") {
        if (!ParseBarPeriod(v, o.view.period))
            return "chart: --period must be daily, weekly or monthly, not " + v;
    } else if (a == "--ma") {
        TOverlayParams& p = o.overlays.params;
        if (!ParseNumbers(v, ',', {&p.MA1, &p.MA2, &p.MA3}, 1))
            return "chart: --ma needs three periods P1,P2,P3 of at least 1, not " + v;
        o.overlays.PlotMA1 = o.overlays.PlotMA2 = o.overlays.PlotMA3 = true;
    } else if (a == "--bb") {
        TOverlayParams& p = o.overlays.params;
        if (!ParseNumbers(v, ',', {&p.BBPeriod}, 1) &&
            !ParseNumbers(v, ',', {&p.BBPeriod, &p.BBWidth}, 0))
            return "chart: --bb needs N,K (N at least 1, K at least 0), not " + v;
        if (p.BBPeriod < 1) return "chart: --bb period must be at least 1, not " + v;
        o.overlays.PlotBB = true;
    } else if (a == "--size") {
        if (!ParseNumbers(v, 'x', {&o.width, &o.height}, 50) || o.width > 10000 || o.height > 10000)
            return "chart: --size needs WxH between 50 and 10000 pixels, not " + v;
    } else {
        return "chart: unknown option " + a;
    }
    return "";
}

std::string ParseChartOptions(const std::vector<std::string>& args, ChartOptions& o) {
    bool haveText = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            if (i + 1 >= args.size()) return "chart: " + a + " needs a value";
            if (std::string error = ParseOption(a, args[++i], o); !error.empty()) return error;
        } else if (haveText) {
            return "chart takes one TEXT, got another: " + a;
        } else {
            o.text = a;
            haveText = true;
        }
    }
    if (!haveText) return "chart needs TEXT (a list text or a symbol)";
    if (o.png.empty()) return "chart needs --png FILE";
    return "";
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

// Qt's note that it picked a runtime folder itself is no news on a server.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int RunChart(Context& ctx) {
    ChartOptions o;
    if (const std::string error = ParseChartOptions(ctx.args, o); !error.empty())
        return UsageError(error);
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    const std::string given =
        o.text.find(',') == std::string::npos ? BareSymbolText(o.text) : o.text;
    const std::string listText = ListTextFor(store, given, params);
    TBars bars;
    LoadDataForName(store, listText, true, bars);
    store.DB1.Disconnect();
    if (bars.empty()) {
        std::fprintf(stderr, "brevant-cli: no quotes for %s\n", o.text.c_str());
        return 1;
    }
    CheckIndicatorBars(bars, o.view, params, o.overlays);

    StockSelection selection;
    selection.allStock = listText;
    const LocaleSettings locale = CliLocale();
    const ChartModel model = ComposeChart({bars, o.view, params, o.overlays, selection, locale});

    // No display needed: draw on the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int argc = 1;
    char name[] = "brevant-cli";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
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
