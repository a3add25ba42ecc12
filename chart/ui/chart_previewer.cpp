// Brevant Dira — the chart's print preview.
#include "chart/ui/chart_previewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "ui/user_interface.h"

namespace brevant {
namespace {

// How near an edge of the chart, in screen pixels, a press takes the edge.
constexpr int kGripReach = 6;
// One arrow key moves or resizes the chart by this share of the page.
constexpr double kKeyStepPercent = 1;

const QString kPdfFile = QStringLiteral("PDF File");

QDoubleSpinBox* NewMarginBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0, 100 - kSmallestBoxPercent);
    box->setDecimals(1);
    box->setSingleStep(1);
    box->setSuffix(QStringLiteral(" %"));
    return box;
}

Qt::CursorShape CursorFor(PageGrip grip) {
    switch (grip) {
    case PageGrip::Move:
        return Qt::SizeAllCursor;
    case PageGrip::Left:
    case PageGrip::Right:
        return Qt::SizeHorCursor;
    case PageGrip::Top:
    case PageGrip::Bottom:
        return Qt::SizeVerCursor;
    case PageGrip::TopLeft:
    case PageGrip::BottomRight:
        return Qt::SizeFDiagCursor;
    case PageGrip::TopRight:
    case PageGrip::BottomLeft:
        return Qt::SizeBDiagCursor;
    case PageGrip::None:
        break;
    }
    return Qt::OpenHandCursor;
}

} // namespace

TChartPreviewer::TChartPreviewer(ChartSheetPainter paint, QSize screenSize, QWidget* parent)
    : QDialog(parent), paint_(std::move(paint)), screenSize_(screenSize) {
    setWindowTitle(QStringLiteral("Print Preview"));
    // The chart is wide; the user can still turn the page.
    printer_.setPageOrientation(QPageLayout::Landscape);

    Preview = new QPrintPreviewWidget(&printer_, this);
    auto* controls = new QVBoxLayout;
    controls->addWidget(newPrinterGroup());
    controls->addWidget(newPaperGroup());
    controls->addWidget(newMarginsGroup());
    controls->addWidget(newChartGroup());
    auto* hint = new QLabel(QStringLiteral("Drag the chart to move it, its edges to resize it; "
                                           "arrow keys move it, Shift+arrow keys resize it."),
                            this);
    hint->setWordWrap(true);
    controls->addWidget(hint);
    controls->addStretch(1);
    PrintButton = new QPushButton(QStringLiteral("Print"), this);
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrintButton);
    buttons->addWidget(CloseButton);
    controls->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Preview, 1);
    layout->addLayout(controls);
    resize(1000, 700);

    QGraphicsView* view = pageView();
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    view->viewport()->setMouseTracking(true);
    connect(Preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        QPainter painter(printer);
        PaintPage(painter, PageRect());
    });
    connectControls();
    showOptions();
}

TChartPreviewer::~TChartPreviewer() {
    // The preview draws on printer_, a member, which is gone before the
    // dialog's children are: the preview goes first, its filters before it.
    if (QGraphicsView* view = pageView()) {
        view->viewport()->removeEventFilter(this);
        view->removeEventFilter(this);
    }
    delete Preview;
    Preview = nullptr;
}

QWidget* TChartPreviewer::newPrinterGroup() {
    auto* group = new QGroupBox(QStringLiteral("Printer"), this);
    PrinterBox = new QComboBox(group);
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        PrinterBox->addItem(name, name);
    PrinterBox->addItem(kPdfFile, QString());
    const int chosen = PrinterBox->findData(QPrinterInfo::defaultPrinterName());
    PrinterBox->setCurrentIndex(chosen >= 0 ? chosen : PrinterBox->count() - 1);
    choosePrinter(PrinterBox->currentIndex());
    SetupButton = new QPushButton(QStringLiteral("Setup..."), group);
    auto* column = new QVBoxLayout(group);
    column->addWidget(PrinterBox);
    column->addWidget(SetupButton);
    return group;
}

QWidget* TChartPreviewer::newPaperGroup() {
    auto* group = new QGroupBox(QStringLiteral("Paper"), this);
    PortraitButton = new QRadioButton(QStringLiteral("Portrait"), group);
    LandscapeButton = new QRadioButton(QStringLiteral("Landscape"), group);
    auto* column = new QVBoxLayout(group);
    column->addWidget(PortraitButton);
    column->addWidget(LandscapeButton);
    return group;
}

QWidget* TChartPreviewer::newMarginsGroup() {
    auto* group = new QGroupBox(QStringLiteral("Margins"), this);
    LeftMargin = NewMarginBox(group);
    TopMargin = NewMarginBox(group);
    RightMargin = NewMarginBox(group);
    BottomMargin = NewMarginBox(group);
    ResetMarginsButton = new QPushButton(QStringLiteral("Reset"), group);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Left:"), group), 0, 0);
    grid->addWidget(LeftMargin, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Top:"), group), 1, 0);
    grid->addWidget(TopMargin, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Right:"), group), 2, 0);
    grid->addWidget(RightMargin, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Bottom:"), group), 3, 0);
    grid->addWidget(BottomMargin, 3, 1);
    grid->addWidget(ResetMarginsButton, 4, 1);
    return group;
}

QWidget* TChartPreviewer::newChartGroup() {
    auto* group = new QGroupBox(QStringLiteral("Chart"), this);
    ProportionalBox = new QCheckBox(QStringLiteral("Proportional"), group);
    DetailSlider = new QSlider(Qt::Horizontal, group);
    DetailSlider->setRange(kLeastDetail, kMostDetail);
    DetailSlider->setSingleStep(10);
    DetailSlider->setPageStep(25);
    DetailValue = new QLabel(group);
    PrintPanelBox = new QCheckBox(QStringLiteral("Print Panel"), group);
    AsBitmapBox = new QCheckBox(QStringLiteral("Print as Bitmap"), group);
    auto* detail = new QGridLayout;
    detail->addWidget(new QLabel(QStringLiteral("Detail"), group), 0, 0);
    detail->addWidget(DetailValue, 0, 2, Qt::AlignRight);
    detail->addWidget(new QLabel(QStringLiteral("Less"), group), 1, 0);
    detail->addWidget(DetailSlider, 1, 1);
    detail->addWidget(new QLabel(QStringLiteral("More"), group), 1, 2);
    auto* column = new QVBoxLayout(group);
    column->addWidget(ProportionalBox);
    column->addLayout(detail);
    column->addWidget(PrintPanelBox);
    column->addWidget(AsBitmapBox);
    return group;
}

void TChartPreviewer::connectControls() {
    connect(PrinterBox, &QComboBox::currentIndexChanged, this, &TChartPreviewer::choosePrinter);
    connect(SetupButton, &QPushButton::clicked, this, &TChartPreviewer::SetupClick);
    connect(PortraitButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on) setOrientation(QPageLayout::Portrait);
    });
    connect(LandscapeButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on) setOrientation(QPageLayout::Landscape);
    });
    connect(LeftMargin, &QDoubleSpinBox::valueChanged, this,
            [this] { marginChanged(LeftMargin, &PageOptions::left, &PageOptions::right); });
    connect(RightMargin, &QDoubleSpinBox::valueChanged, this,
            [this] { marginChanged(RightMargin, &PageOptions::right, &PageOptions::left); });
    connect(TopMargin, &QDoubleSpinBox::valueChanged, this,
            [this] { marginChanged(TopMargin, &PageOptions::top, &PageOptions::bottom); });
    connect(BottomMargin, &QDoubleSpinBox::valueChanged, this,
            [this] { marginChanged(BottomMargin, &PageOptions::bottom, &PageOptions::top); });
    connect(ResetMarginsButton, &QPushButton::clicked, this, [this] {
        const PageOptions defaults;
        PageOptions o = options_;
        o.left = defaults.left, o.top = defaults.top;
        o.right = defaults.right, o.bottom = defaults.bottom;
        SetOptions(o);
    });
    connect(ProportionalBox, &QCheckBox::toggled, this, [this](bool on) {
        options_.proportional = on;
        optionsChanged();
    });
    connect(DetailSlider, &QSlider::valueChanged, this, [this](int detail) {
        options_.detail = detail;
        DetailValue->setText(QStringLiteral("%1 %").arg(detail));
        optionsChanged();
    });
    connect(PrintPanelBox, &QCheckBox::toggled, this, [this](bool on) {
        options_.printPanel = on;
        optionsChanged();
    });
    connect(AsBitmapBox, &QCheckBox::toggled, this, [this](bool on) {
        options_.asBitmap = on;
        optionsChanged();
    });
    connect(PrintButton, &QPushButton::clicked, this, &TChartPreviewer::PrintClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TChartPreviewer::SetOptions(const PageOptions& options) {
    options_ = options;
    options_.detail = std::clamp(options_.detail, kLeastDetail, kMostDetail);
    showOptions();
    optionsChanged();
}

// The controls show options_ without reporting back.
void TChartPreviewer::showOptions() {
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    const std::pair<QDoubleSpinBox*, double> margins[] = {{LeftMargin, options_.left},
                                                          {TopMargin, options_.top},
                                                          {RightMargin, options_.right},
                                                          {BottomMargin, options_.bottom}};
    for (QObject* control : std::initializer_list<QObject*>{
             PortraitButton, LandscapeButton, LeftMargin, TopMargin, RightMargin, BottomMargin,
             ProportionalBox, DetailSlider, PrintPanelBox, AsBitmapBox})
        control->blockSignals(true);
    PortraitButton->setChecked(!landscape);
    LandscapeButton->setChecked(landscape);
    for (const auto& [box, value] : margins) box->setValue(value);
    ProportionalBox->setChecked(options_.proportional);
    DetailSlider->setValue(options_.detail);
    DetailValue->setText(QStringLiteral("%1 %").arg(options_.detail));
    PrintPanelBox->setChecked(options_.printPanel);
    AsBitmapBox->setChecked(options_.asBitmap);
    for (QObject* control : std::initializer_list<QObject*>{
             PortraitButton, LandscapeButton, LeftMargin, TopMargin, RightMargin, BottomMargin,
             ProportionalBox, DetailSlider, PrintPanelBox, AsBitmapBox})
        control->blockSignals(false);
}

// The preview is drawn again once the events of this change are through, so
// that a drag draws it once per step, not once per control it touches.
void TChartPreviewer::optionsChanged() {
    if (updateQueued_) return;
    updateQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        updateQueued_ = false;
        // A preview not shown yet draws itself when it is shown.
        if (Preview->isVisible()) Preview->updatePreview();
    });
}

// A margin that would leave the box less than its smallest size gives way.
void TChartPreviewer::marginChanged(QDoubleSpinBox* box, double PageOptions::*margin,
                                    double PageOptions::*opposite) {
    const double room = 100 - kSmallestBoxPercent - options_.*opposite;
    double value = box->value();
    if (value > room) {
        value = room;
        const QSignalBlocker blocker(box);
        box->setValue(value);
    }
    options_.*margin = value;
    optionsChanged();
}

void TChartPreviewer::choosePrinter(int index) {
    const QPageLayout layout = printer_.pageLayout();
    const QString name = PrinterBox->itemData(index).toString();
    if (name.isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(name);
    }
    // Another printer keeps the paper's orientation.
    printer_.setPageOrientation(layout.orientation());
    optionsChanged();
}

void TChartPreviewer::setOrientation(QPageLayout::Orientation orientation) {
    printer_.setPageOrientation(orientation);
    optionsChanged();
}

void TChartPreviewer::SetupClick() {
    QPageSetupDialog setup(&printer_, this);
    // The dialog applies its settings to the printer when accepted.
    if (setup.exec() != QDialog::Accepted) return;
    showOptions();
    optionsChanged();
}

QRectF TChartPreviewer::PageRect() const {
    return QRectF(QPointF(0, 0),
                  printer_.pageLayout().paintRectPixels(printer_.resolution()).size());
}

QRectF TChartPreviewer::ChartRect() const {
    return PlaceChartOnPage(PageRect(), screenSize_, options_).target;
}

void TChartPreviewer::PaintPage(QPainter& painter, const QRectF& page) {
    QCustomPlot sheet;
    sheet.resize(screenSize_);
    paint_(sheet);
    PaintChartOnPage(sheet, painter, page, options_);
}

void TChartPreviewer::PrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    const QString name = PrinterBox->currentData().toString();
    if (name.isEmpty()) {
        const QString file =
            ui::Ui().SaveFileName(this, QStringLiteral("Print to PDF File"),
                                  QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("pdf"));
        if (file.isEmpty()) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    } else {
        printer.setPrinterName(name);
    }
    // After the printer is named, which brings its own paper.
    printer.setPageLayout(printer_.pageLayout());
    QPainter painter;
    if (!painter.begin(&printer)) {
        ui::Ui().ShowMessage(this, QStringLiteral("The chart could not be printed."));
        return;
    }
    PaintPage(painter, QRectF(QPointF(0, 0),
                              printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    painter.end();
    accept();
}

QGraphicsView* TChartPreviewer::pageView() const {
    return Preview->findChild<QGraphicsView*>();
}

// A point of the preview's view in page coordinates (those PaintPage draws
// in); none when no page is shown.
std::optional<QPointF> TChartPreviewer::pagePoint(QPoint viewportPosition) const {
    QGraphicsView* view = pageView();
    if (!view || !view->scene()) return std::nullopt;
    const QList<QGraphicsItem*> pages = view->scene()->items();
    if (pages.isEmpty()) return std::nullopt;
    // The page item draws the paper from (0, 0) and the printable area at its
    // offset from the paper's edge.
    const QPointF paper = pages.front()->mapFromScene(view->mapToScene(viewportPosition));
    return paper - printer_.pageLayout().paintRectPixels(printer_.resolution()).topLeft();
}

void TChartPreviewer::placeChart(const QRectF& rect) {
    options_ = WithBox(options_, PageRect(), rect);
    showOptions();
    optionsChanged();
}

bool TChartPreviewer::mouseOnPage(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const std::optional<QPointF> point = pagePoint(mouse->position().toPoint());
    QWidget* viewport = pageView()->viewport();
    if (!point) return false;
    const double scale = pageView()->transform().m11();
    const double reach = kGripReach / (scale > 0 ? scale : 1);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton) return false;
        grip_ = GripAt(ChartRect(), *point, reach);
        if (grip_ == PageGrip::None) return false; // the view pans the page
        dragStart_ = *point;
        dragRect_ = ChartRect();
        return true;
    case QEvent::MouseMove:
        if (grip_ == PageGrip::None) {
            if (!(mouse->buttons() & Qt::LeftButton))
                viewport->setCursor(CursorFor(GripAt(ChartRect(), *point, reach)));
            return false;
        }
        placeChart(DraggedTarget(PageRect(), dragRect_, grip_, *point - dragStart_,
                                 options_.proportional));
        return true;
    case QEvent::MouseButtonRelease:
        if (grip_ == PageGrip::None) return false;
        grip_ = PageGrip::None;
        return true;
    default:
        return false;
    }
}

bool TChartPreviewer::keyOnPage(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QRectF page = PageRect();
    const double dx = page.width() * kKeyStepPercent / 100;
    const double dy = page.height() * kKeyStepPercent / 100;
    QPointF delta;
    switch (key->key()) {
    case Qt::Key_Left:
        delta = {-dx, 0};
        break;
    case Qt::Key_Right:
        delta = {dx, 0};
        break;
    case Qt::Key_Up:
        delta = {0, -dy};
        break;
    case Qt::Key_Down:
        delta = {0, dy};
        break;
    default:
        return false;
    }
    // Shift resizes from the bottom right corner; an arrow alone moves.
    const PageGrip grip = key->modifiers() & Qt::ShiftModifier
                              ? (delta.x() != 0 ? PageGrip::Right : PageGrip::Bottom)
                              : PageGrip::Move;
    placeChart(DraggedTarget(page, ChartRect(), grip, delta, options_.proportional));
    return true;
}

bool TChartPreviewer::eventFilter(QObject* watched, QEvent* event) {
    QGraphicsView* view = Preview ? pageView() : nullptr;
    if (view && watched == view->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return mouseOnPage(event);
        default:
            break;
        }
    }
    if (view && watched == view && event->type() == QEvent::KeyPress) return keyOnPage(event);
    return QDialog::eventFilter(watched, event);
}

} // namespace brevant
