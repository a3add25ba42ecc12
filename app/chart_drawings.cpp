// Brevant Dira — the drawings on the main window's chart.
#include "app/chart_drawings.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <exception>
#include <qcustomplot.h>
#include <utility>

#include "chart/render/chart_renderer.h"
#include "chart/render/drawings_layer.h"
#include "chart/ui/chart_pane.h"
#include "store/drawings_table.h"
#include "ui/user_interface.h"

namespace brevant {
namespace {

// How near a click must come to a line to select it, in pixels.
constexpr double kPickDistance = 5;

} // namespace

TChartDrawings::TChartDrawings(TChartPane& pane, TDataStore& store,
                               std::function<BarPeriod()> period, QObject* parent)
    : QObject(parent), pane_(pane), store_(store), period_(std::move(period)) {
    layer_ = new DrawingsLayer(*pane_.Renderer1, [this] {
        return DrawingGround{&pane_.Series(), period_()};
    });
    // Installed after the navigation's filter, so it sees every event first.
    plot_ = pane_.Chart1;
    plot_->installEventFilter(this);
}

void TChartDrawings::DecorateSheet(ChartRenderer& sheet, const TBars& bars) const {
    AddDrawingsLayer(sheet, Shown(), bars, period_());
}

const Drawings& TChartDrawings::Shown() const {
    return layer_->drawings();
}

int TChartDrawings::Selected() const {
    return layer_->selected();
}

bool TChartDrawings::Try(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        emit failed(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void TChartDrawings::ShowStock(const std::string& symbol) {
    symbol_ = symbol;
    first_.reset();
    layer_->SetPreview(std::nullopt);
    layer_->SetSelected(0);
    Reload();
}

void TChartDrawings::Reload() {
    Drawings drawings;
    if (!symbol_.empty()) Try([&] { drawings = ReadDrawings(store_, symbol_); });
    layer_->SetDrawings(std::move(drawings));
    Replot();
}

void TChartDrawings::Replot() {
    pane_.Chart1->replot(QCustomPlot::rpQueuedReplot);
}

void TChartDrawings::SetMode(DrawingMode mode) {
    mode_ = symbol_.empty() ? DrawingMode::None : mode;
    first_.reset();
    layer_->SetPreview(std::nullopt);
    if (mode_ == DrawingMode::None)
        pane_.Chart1->unsetCursor();
    else
        pane_.Chart1->setCursor(Qt::CrossCursor);
    Replot();
    emit modeChanged(mode_);
}

void TChartDrawings::RemoveAll() {
    if (symbol_.empty() || Shown().empty()) return;
    const QString what = Shown().size() == 1 ? QString("the drawing")
                                             : QString("all %1 drawings").arg(Shown().size());
    const QString question = "Delete " + what + " of " + QString::fromLatin1(symbol_.c_str()) +
                             "? This cannot be undone.";
    if (!ui::Ui().Confirm(pane_.window(), question)) return;
    Try([this] { DeleteDrawings(store_, symbol_); });
    Reload();
}

bool TChartDrawings::RemoveSelected() {
    const int id = layer_->selected();
    if (id == 0 || symbol_.empty()) return false;
    Try([&] { DeleteDrawing(store_, symbol_, id); });
    layer_->SetSelected(0);
    Reload();
    return true;
}

void TChartDrawings::Store(const Drawing& drawing) {
    Try([&] { AddDrawing(store_, symbol_, drawing); });
    Reload();
}

bool TChartDrawings::Press(QPointF at) {
    if (mode_ == DrawingMode::None) {
        // Selecting takes nothing from the navigation: the press goes on.
        const int id = layer_->DrawingAt(at, kPickDistance);
        if (id != layer_->selected()) {
            layer_->SetSelected(id);
            Replot();
        }
        return false;
    }
    if (!layer_->InPricePanel(at) || pane_.Series().empty()) return true;
    const auto [day, price] = layer_->DayAndPriceAt(at);
    if (!DrawablePrice(price)) return true;
    if (mode_ == DrawingMode::Level) {
        SetMode(DrawingMode::None);
        Store(Drawing{0, DrawingKind::Level, 0, 0, price, 0});
        return true;
    }
    if (!first_) {
        first_ = FirstPoint{day, price, layer_->PositionAt(at.x())};
        return true;
    }
    // A second click on the first point's day would give no line.
    if (day == first_->day) return true;
    const FirstPoint first = *first_;
    SetMode(DrawingMode::None);
    Store(Drawing{0, DrawingKind::Trend, first.day, day, first.price, price});
    return true;
}

bool TChartDrawings::eventFilter(QObject* watched, QEvent* event) {
    // The plot's own pointer, not the pane's: while the pane is destroyed its
    // plot still sends events (children removed) through this filter.
    if (watched != plot_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() != Qt::LeftButton) return mode_ != DrawingMode::None;
        const bool taken = Press(mouse.position());
        pressTaken_ = taken ? std::optional(mouse.position()) : std::nullopt;
        return taken;
    }
    case QEvent::MouseButtonDblClick: {
        // A drawing's clicks are its own: no return to the chosen window.
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        const std::optional<QPointF> taken = std::exchange(pressTaken_, std::nullopt);
        if (taken && *taken == mouse.position()) return true; // its press was taken
        // A quick second click may come as a double click alone.
        if (mode_ == DrawingMode::None || mouse.button() != Qt::LeftButton) return false;
        Press(mouse.position());
        return true;
    }
    case QEvent::MouseButtonRelease:
        return mode_ != DrawingMode::None;
    case QEvent::MouseMove:
        if (first_) {
            const QPointF at = static_cast<const QMouseEvent&>(*event).position();
            layer_->SetPreview(PlacedDrawing{0, DrawingKind::Trend, first_->position,
                                             layer_->PositionAt(at.x()), first_->price,
                                             layer_->PriceAt(at.y())});
            Replot();
        }
        return false; // the crosshair and the readout follow it as ever
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent&>(*event).key();
        if (key == Qt::Key_Escape && mode_ != DrawingMode::None) {
            SetMode(DrawingMode::None);
            return true;
        }
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) return RemoveSelected();
        return false;
    }
    default:
        return false;
    }
}

} // namespace brevant
