// Brevant Dira — the view "Remember my view" keeps in the user's Qt
// settings between runs: never in the database, which other users share.
#include "app/remembered_view.h"

#include <QFile>
#include <QSettings>
#include <QStringList>

#include "chart/indicator_views.h"
#include "ui/latin1.h"

namespace brevant {
namespace {

const QString kWanted = QStringLiteral("RememberMyView");
const QString kGroup = QStringLiteral("RememberedView");
// Raised when the kept values change their meaning; another format is ignored.
constexpr int kFormat = 1;

QString Joined(const std::vector<int>& numbers) {
    QStringList parts;
    for (const int n : numbers) parts << QString::number(n);
    return parts.join(',');
}

// Whole numbers separated by commas, each within [low, high]; none when a
// part is not one.
std::optional<std::vector<int>> Numbers(const QString& text, int low, int high) {
    std::vector<int> numbers;
    if (text.isEmpty()) return numbers;
    for (const QString& part : text.split(',')) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < low || n > high) return std::nullopt;
        numbers.push_back(n);
    }
    return numbers;
}

std::optional<int> Number(QSettings& s, const QString& key, int low, int high) {
    const auto n = Numbers(s.value(key).toString(), low, high);
    if (!n || n->size() != 1) return std::nullopt;
    return n->front();
}

std::optional<bool> YesNo(const QString& text) {
    if (text == "true") return true;
    if (text == "false") return false;
    return std::nullopt;
}

// A file QSettings reads without complaint may still be no settings file at
// all (a picture saved under its name): every line must be a section, a
// comment or a key with its value, in text without control characters.
bool LooksLikeSettings(const QString& path) {
    QFile file(path);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.readAll();
    for (const char c : data)
        if ((unsigned char)c < 0x20 && c != '\n' && c != '\r' && c != '\t') return false;
    for (const QByteArray& raw : data.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[') && line.endsWith(']')) continue;
        if (!line.contains('=')) return false;
    }
    return true;
}

bool Readable(QSettings& s) {
    return s.status() == QSettings::NoError && LooksLikeSettings(s.fileName());
}

QString Unreadable(QSettings& s) {
    return "brevant-dira: the settings file " + s.fileName() +
           " cannot be read; the view starts as it does by default";
}

} // namespace

std::unique_ptr<QSettings> OpenUserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("brevant-dira"),
                                       QStringLiteral("brevant-dira"));
}

bool RememberViewWanted(QSettings& settings, QString& note) {
    if (!Readable(settings)) {
        note = Unreadable(settings);
        return false;
    }
    if (!settings.contains(kWanted)) return false;
    const std::optional<bool> wanted = YesNo(settings.value(kWanted).toString());
    if (!wanted) note = Unreadable(settings);
    return wanted.value_or(false);
}

void SetRememberViewWanted(QSettings& settings, bool wanted) {
    settings.setValue(kWanted, wanted ? "true" : "false");
    settings.sync();
}

std::optional<RememberedView> ReadRememberedView(QSettings& s, QString& note) {
    if (!Readable(s)) {
        note = Unreadable(s);
        return std::nullopt;
    }
    s.beginGroup(kGroup);
    const bool any = !s.childKeys().isEmpty();
    std::optional<RememberedView> view;
    const auto format = Number(s, "format", kFormat, kFormat);
    if (any && format) {
        RememberedView v;
        v.stock = ui::ToLatin1(s.value("stock").toString());
        const auto panels = Numbers(s.value("panels").toString(), 0, kIndicatorViewCount - 1);
        const auto period = Number(s, "period", 0, 2);
        const auto window = Number(s, "window", -1, int(kTimeWindows.size()) - 1);
        const auto history = Numbers(s.value("history").toString(), 0, 1 << 30);
        const auto style = Number(s, "priceStyle", 0, int(kPriceStyles.size()) - 1);
        const auto overlays = Numbers(s.value("overlays").toString(), 0, 100000);
        const auto log = YesNo(s.value("logScale").toString());
        const auto adjusted = YesNo(s.value("adjusted").toString());
        const auto filter = Numbers(s.value("filter").toString(), -100000000, 100000000);
        const bool historyFits =
            history && (history->empty() ||
                        (history->size() == 1 && history->front() < int(kHistoryWindows.size())) ||
                        (history->size() == 2 && history->front() <= history->back()));
        if (panels && !panels->empty() && int(panels->size()) <= kMostIndicatorPanels && period &&
            window && historyFits && (*window >= 0) == history->empty() && style && overlays &&
            overlays->size() == 9 && log && adjusted && filter) {
            v.panels = *panels;
            v.period = *period;
            v.window = *window;
            if (history->size() == 1) v.history = HistoryChoice{.window = history->front()};
            if (history->size() == 2)
                v.history = HistoryChoice{
                    .range = true, .from = double(history->front()), .to = double(history->back())};
            v.priceStyle = *style;
            const std::vector<int>& o = *overlays;
            v.overlays.params = {o[0], o[1], o[2], o[3], o[4]};
            v.overlays.PlotMA1 = o[5] != 0;
            v.overlays.PlotMA2 = o[6] != 0;
            v.overlays.PlotMA3 = o[7] != 0;
            v.overlays.PlotBB = o[8] != 0;
            v.logScale = *log;
            v.adjusted = *adjusted;
            v.filter = *filter;
            view = v;
        }
    }
    s.endGroup();
    if (any && !view)
        note = "brevant-dira: the view kept in " + s.fileName() +
               " is not one this program wrote; the view starts as it does by default";
    return view;
}

void WriteRememberedView(QSettings& s, const RememberedView& v) {
    s.remove(kGroup);
    s.beginGroup(kGroup);
    s.setValue("format", kFormat);
    s.setValue("stock", ui::FromLatin1(v.stock));
    s.setValue("panels", Joined(v.panels));
    s.setValue("period", v.period);
    s.setValue("window", v.window);
    std::vector<int> history;
    if (v.history && v.history->range)
        history = {int(v.history->from), int(v.history->to)};
    else if (v.history)
        history = {v.history->window};
    s.setValue("history", Joined(history));
    s.setValue("priceStyle", v.priceStyle);
    const TOverlayParams& p = v.overlays.params;
    s.setValue("overlays", Joined({p.MA1, p.MA2, p.MA3, p.BBPeriod, p.BBWidth, v.overlays.PlotMA1,
                                   v.overlays.PlotMA2, v.overlays.PlotMA3, v.overlays.PlotBB}));
    s.setValue("logScale", v.logScale ? "true" : "false");
    s.setValue("adjusted", v.adjusted ? "true" : "false");
    s.setValue("filter", Joined(v.filter));
    s.endGroup();
    s.sync();
}

void ForgetRememberedView(QSettings& s) {
    s.remove(kGroup);
    s.sync();
}

} // namespace brevant
