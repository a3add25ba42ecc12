// Brevant Dira — the drawings over the price panel: trend lines and levels,
// placed over whatever series the chart shows at each paint.
#pragma once

#include <QPointF>
#include <functional>
#include <optional>
#include <qcustomplot.h>

#include "chart/drawing_placement.h"

namespace brevant {

class ChartRenderer;

// What the drawings stand over at a paint: the series on screen (its
// positions are the bottom axis's) and its period.
struct DrawingGround {
    const TBars* bars = nullptr;
    BarPeriod period = BarPeriod::Daily;
};

// A layerable of the renderer's plot, drawn on its main layer above the
// series and below the frame, clipped to the price panel. With no drawings
// it paints nothing, so a chart without any looks exactly as before. The
// plot owns it.
class DrawingsLayer : public QCPLayerable {
public:
    DrawingsLayer(ChartRenderer& renderer, std::function<DrawingGround()> ground);

    void SetDrawings(Drawings drawings);
    const Drawings& drawings() const { return drawings_; }
    // The drawing drawn thicker (0: none).
    void SetSelected(int id) { selected_ = id; }
    int selected() const { return selected_; }
    // A line being drawn, from its first point to the mouse; none to end it.
    void SetPreview(std::optional<PlacedDrawing> preview) { preview_ = preview; }

    // The id of the drawing within `tolerance` pixels of `pixel` (the
    // nearest), 0 when none is or the pixel is outside the price panel.
    int DrawingAt(QPointF pixel, double tolerance) const;
    // Pixel to chart values: the bottom-axis position and the price.
    double PositionAt(double x) const;
    double PriceAt(double y) const;
    bool InPricePanel(QPointF pixel) const;
    // The day and price a click at `pixel` stands for.
    std::pair<double, double> DayAndPriceAt(QPointF pixel) const;

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;
    QRect clipRect() const override;

private:
    // The drawing's ends in pixels; a level runs across the panel.
    QLineF Line(const PlacedDrawing& d) const;
    std::vector<PlacedDrawing> Placed() const;

    ChartRenderer& renderer_;
    std::function<DrawingGround()> ground_;
    Drawings drawings_;
    int selected_ = 0;
    std::optional<PlacedDrawing> preview_;
};

// Lays `drawings` over a chart `renderer` drew from `bars` in `period` (a
// picture or a printed page); adds nothing when there are none. The bars
// must outlive the plot's paints. The plot owns the layer.
void AddDrawingsLayer(ChartRenderer& renderer, const Drawings& drawings, const TBars& bars,
                      BarPeriod period);

} // namespace brevant
