// Brevant Dira — `brevant-cli drawings TEXT [--add trend D1,P1,D2,P2 | --add
// level PRICE | --delete ID]`: the trend lines and levels stored for a
// stock's chart, listed, added or deleted.
#include <cstdio>
#include <optional>
#include <stdexcept>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/open_store.h"
#include "cli/option_values.h"
#include "store/drawings_table.h"
#include "store/price_history.h"
#include "ta/day_date.h"
#include "ta/text_format.h"

namespace brevant::cli {
namespace {

struct DrawingsOptions {
    std::optional<std::string> text;
    std::optional<DrawingKind> add;  // --add KIND, its values in the next word
    std::optional<std::string> what; // the values of --add
    std::optional<int> remove;       // --delete ID
};

bool ReadPrice(std::string_view text, double& price) {
    return TryStrToFloat(text, '.', price) && DrawablePrice(price) &&
           text.find_first_not_of("0123456789.") == std::string_view::npos;
}

// "trend 2025-01-02,10.5,2025-03-03,12": the form --add takes, after the id.
std::string DrawingText(const Drawing& d) {
    std::string text = DrawingKindName(d.kind);
    text += ' ';
    if (d.kind == DrawingKind::Trend) {
        const auto iso = [](double day) {
            const CivilDate c = DecodeDate(day);
            char out[16];
            std::snprintf(out, sizeof out, "%04d-%02d-%02d", c.year, c.month, c.day);
            return std::string(out);
        };
        text += iso(d.day1) + "," + FloatToStr(d.price1, '.') + "," + iso(d.day2) + "," +
                FloatToStr(d.price2, '.');
    } else {
        text += FloatToStr(d.price1, '.');
    }
    return text;
}

std::string ReadDrawing(DrawingKind kind, const std::string& text, Drawing& d) {
    d.kind = kind;
    const std::vector<std::string> parts = SplitList(text);
    if (kind == DrawingKind::Level) {
        if (parts.size() != 1 || !ReadPrice(parts[0], d.price1))
            return "drawings: --add level needs a PRICE above 0, not " + text;
        return {};
    }
    if (parts.size() != 4 || !ReadIsoDate(parts[0], d.day1) || !ReadPrice(parts[1], d.price1) ||
        !ReadIsoDate(parts[2], d.day2) || !ReadPrice(parts[3], d.price2))
        return "drawings: --add trend needs YYYY-MM-DD,PRICE,YYYY-MM-DD,PRICE with prices "
               "above 0, not " +
               text;
    if (d.day1 == d.day2) return "drawings: a trend line needs two different days, not " + text;
    return {};
}

std::string ReadDrawingsOptions(const std::vector<std::string>& args, DrawingsOptions& o) {
    const WordReader text = OneText("drawings", o.text);
    const CommandSyntax syntax{
        "drawings",
        OptionWords::DoubleDash,
        {{"--add",
          [&o](const std::string& v) -> std::string {
              DrawingKind kind;
              if (o.add || !ParseDrawingKind(v, kind))
                  return "drawings: --add takes trend or level once, not " + v;
              o.add = kind;
              return {};
          }},
         {"--delete",
          [&o](const std::string& v) -> std::string {
              int id = 0;
              if (o.remove || !ReadWholeNumber(v, 1, 2147483647, id))
                  return "drawings: --delete takes one ID (a whole number from 1), not " + v;
              o.remove = id;
              return {};
          }}},
        // The word after --add KIND is its values; any other is the TEXT.
        [&o, text](const std::string& word) -> std::string {
            if (o.add && !o.what) {
                o.what = word;
                return {};
            }
            return text(word);
        }};
    if (std::string error = ReadCommandLine(syntax, args); !error.empty()) return error;
    if (!o.text) return MissingText("drawings");
    if (o.add && o.remove) return "drawings: --add and --delete cannot be used together";
    if (o.add && !o.what)
        return *o.add == DrawingKind::Trend
                   ? "drawings: --add trend needs YYYY-MM-DD,PRICE,YYYY-MM-DD,PRICE"
                   : "drawings: --add level needs a PRICE";
    return {};
}

} // namespace

int RunDrawings(Context& ctx) {
    DrawingsOptions o;
    if (const std::string error = ReadDrawingsOptions(ctx.args, o); !error.empty())
        return UsageError(error);
    Drawing added;
    if (o.add)
        if (const std::string error = ReadDrawing(*o.add, *o.what, added); !error.empty())
            return UsageError(error);
    const std::string symbol = HistoryKey(ListTextFromArgument(*o.text));
    if (symbol.empty()) return UsageError(MissingText("drawings"));
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    int status = 0;
    if (o.add) {
        if (!StockHasQuotes(store, symbol)) {
            std::fprintf(stderr, "brevant-cli: no quotes for %s: nothing stored\n", symbol.c_str());
            status = 1;
        } else {
            added.id = AddDrawing(store, symbol, added);
            std::printf("%d %s\n", added.id, DrawingText(added).c_str());
        }
    } else if (o.remove) {
        if (!DeleteDrawing(store, symbol, *o.remove)) {
            std::fprintf(stderr, "brevant-cli: %s has no drawing %d\n", symbol.c_str(), *o.remove);
            status = 1;
        }
    } else {
        for (const Drawing& d : ReadDrawings(store, symbol))
            std::printf("%d %s\n", d.id, DrawingText(d).c_str());
    }
    store.DB1.Disconnect();
    return status;
}

} // namespace brevant::cli
