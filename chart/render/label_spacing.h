// Brevant Dira — keeping the axis labels of a small chart apart.
#pragma once

class QCPAxis;
class QCPAxisRect;

namespace brevant {

class LabelTicker;

// The smallest tick step at which the labels of `axis`, as `ticker` writes
// them, keep apart at the axis's present length and range: 0 when the
// ticker's own step already keeps them apart, so that a chart large enough
// looks exactly as it would without this. Apart means that the ink of two
// neighbouring labels does not meet: stacked labels need the height of their
// characters and a small gap, labels side by side the widths of their texts
// (without the blanks around a date) and a small gap.
double StepKeepingLabelsApart(QCPAxis& axis, LabelTicker& ticker);

// The panel's height or width in pixels, 0 when it has none yet. A plot
// smaller than its margins is laid out by QCustomPlot with rectangles whose
// far edge lies near INT_MIN; QRect's own height() would overflow on them.
int PanelExtent(const QCPAxisRect& rect, bool horizontal);

} // namespace brevant
