// Brevant Dira — the header a chart picture carries above its panels: the
// stock's list text on the left, the last bar's values on the right.
#pragma once

#include <QMargins>
#include <QString>
#include <QStringList>

class QCustomPlot;
class QCPItemText;

namespace brevant {

class ChartHeader {
public:
    // Puts its texts on `plot` (which owns them); they are drawn only when `visible`.
    ChartHeader(QCustomPlot& plot, bool visible);

    // `values` are the pieces "O: 31.1", "H: 31.67", ... in reading order.
    void SetTexts(const QString& name, const QStringList& values);

    // Places the texts for a plot `width` pixels wide with the chart
    // `margins`, and returns the top margin the panels need below them. While
    // name and values fit beside each other the header is one row in the top
    // margin; on a narrower plot the values that do not fit beside the name
    // flow onto rows under it, right-aligned, and a name wider than the plot
    // is cut short with "...".
    int Place(int width, const QMargins& margins);

private:
    QCPItemText* name_;
    QCPItemText* values_; // the name's row
    QCPItemText* below_;  // rows under the name, on a narrow plot
    QString nameText_;
    QStringList valueTexts_;
    bool visible_;
};

} // namespace brevant
