// Brevant Dira — keeping the axis labels of a small chart apart.
#pragma once

class QCPAxis;

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

} // namespace brevant
