// Brevant Dira — putting the chart's texts into a window's labels.
#include "chart/render/chart_labels.h"

#include <QLabel>
#include <optional>
#include <string>

#include "ui/latin1.h"

namespace brevant {
namespace {

void Set(const LabelLookup& label, int number, const std::string& text) {
    if (QLabel* l = label(number)) l->setText(ui::FromLatin1(text));
}

void Set(const LabelLookup& label, int number, const std::optional<std::string>& text) {
    if (text) Set(label, number, *text);
}

void SetColour(const LabelLookup& label, int number, Rgb colour) {
    QLabel* l = label(number);
    if (!l) return;
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.r, colour.g, colour.b));
    l->setPalette(palette);
}

} // namespace

void ApplyHeaderTexts(const ChartModel& model, const LabelLookup& label) {
    const HeaderTexts& h = model.header;
    Set(label, 22, h.Label22);
    Set(label, 24, h.Label24);
    Set(label, 26, h.Label26);
    Set(label, 30, h.Label30);
    Set(label, 32, h.Label32);
    Set(label, 34, h.Label34);
    Set(label, 28, h.Label28);
    Set(label, 35, model.Label35);
}

void ApplyReadoutTexts(const ReadoutTexts& r, const LabelLookup& label) {
    Set(label, 6, r.Label6);
    Set(label, 3, r.Label3);
    Set(label, 4, r.Label4);
    Set(label, 5, r.Label5);
    Set(label, 10, r.Label10);
    Set(label, 7, r.Label7);
    Set(label, 8, r.Label8);
    Set(label, 38, r.Label38);
    Set(label, 9, r.Label9);
    Set(label, 37, r.Label37);
    Set(label, 41, r.Label41);
    Set(label, 36, r.Label36);
    Set(label, 43, r.Label43);
    Set(label, 42, r.Label42);
    Set(label, 40, r.Label40);
    Set(label, 39, r.Label39);
    const int captions[] = {19, 20, 21}, values[] = {11, 12, 13};
    for (int k = 0; k < 3; ++k) {
        Set(label, captions[k], r.captions[k]);
        SetColour(label, captions[k], colours::kBlack);
        Set(label, values[k], r.values[k]);
        SetColour(label, values[k], r.valueColours[k]);
    }
}

} // namespace brevant
