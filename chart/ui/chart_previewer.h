// Brevant Dira — the chart's print preview: Qt's page preview with the
// controls that place the chart on the page.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <optional>

#include "chart/render/chart_page.h"

class QCheckBox;
class QComboBox;
class QCustomPlot;
class QDoubleSpinBox;
class QGraphicsView;
class QLabel;
class QPrintPreviewWidget;
class QPushButton;
class QRadioButton;
class QSlider;

namespace brevant {

// Draws the chart to print into `sheet`, a fresh plot of the chart's size on screen.
using ChartSheetPainter = std::function<void(QCustomPlot& sheet)>;

// The page as it will print, on a landscape page by default. Besides the
// printer, its set-up and the paper's orientation, the user changes the
// margins of the chart's box, keeps the chart proportional or lets it fill
// the box, changes the detail, prints the chart's panel or prints it as a
// bitmap, and moves or resizes the chart with the mouse (inside it moves it,
// an edge or corner resizes it) or the arrow keys (Shift resizes).
class TChartPreviewer : public QDialog {
    Q_OBJECT
public:
    // `screenSize`: the chart's size on screen, which gives its proportions
    // and its layout at normal detail.
    TChartPreviewer(ChartSheetPainter paint, QSize screenSize, QWidget* parent = nullptr);
    ~TChartPreviewer() override;

    const PageOptions& Options() const { return options_; }
    // Sets every option and the controls that show them.
    void SetOptions(const PageOptions& options);
    const QPrinter& Printer() const { return printer_; }

    // The printable area of the chosen paper in the printer's pixels, from (0, 0).
    QRectF PageRect() const;
    // Where the chart goes in that area now.
    QRectF ChartRect() const;
    // Draws the page as it will print into `page` of `painter`'s device.
    void PaintPage(QPainter& painter, const QRectF& page);

    // "Print": prints on the chosen printer, or into a PDF file the user
    // names, and closes the preview.
    void PrintClick();
    // "Setup...": the paper's size, orientation and margins of the printer.
    void SetupClick();

    QPrintPreviewWidget* Preview = nullptr;
    QComboBox* PrinterBox = nullptr; // installed printers, then "PDF File"
    QPushButton* SetupButton = nullptr;
    QRadioButton* PortraitButton = nullptr;
    QRadioButton* LandscapeButton = nullptr;
    QDoubleSpinBox* LeftMargin = nullptr; // percent of the page
    QDoubleSpinBox* TopMargin = nullptr;
    QDoubleSpinBox* RightMargin = nullptr;
    QDoubleSpinBox* BottomMargin = nullptr;
    QPushButton* ResetMarginsButton = nullptr;
    QCheckBox* ProportionalBox = nullptr;
    QSlider* DetailSlider = nullptr; // percent, kLeastDetail .. kMostDetail
    QLabel* DetailValue = nullptr;
    QCheckBox* PrintPanelBox = nullptr;
    QCheckBox* AsBitmapBox = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* newPrinterGroup();
    QWidget* newPaperGroup();
    QWidget* newMarginsGroup();
    QWidget* newChartGroup();
    void connectControls();
    void showOptions();
    void optionsChanged();
    void marginChanged(QDoubleSpinBox* box, double PageOptions::*margin,
                       double PageOptions::*opposite);
    void choosePrinter(int index);
    void setOrientation(QPageLayout::Orientation orientation);
    // Mouse and keys on the page.
    QGraphicsView* pageView() const;
    std::optional<QPointF> pagePoint(QPoint viewportPosition) const;
    bool mouseOnPage(QEvent* event);
    bool keyOnPage(QEvent* event);
    void placeChart(const QRectF& rect);

    ChartSheetPainter paint_;
    QSize screenSize_;
    QPrinter printer_;
    PageOptions options_;
    bool updateQueued_ = false;
    PageGrip grip_ = PageGrip::None; // what a drag holds
    QPointF dragStart_;
    QRectF dragRect_;
};

} // namespace brevant
