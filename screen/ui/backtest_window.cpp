// Brevant Dira — the "Back-test" window.
#include "screen/ui/backtest_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "screen/backtest_report.h"
#include "screen/render/backtest_plot.h"
#include "screen/ui/scan_host.h"
#include "ta/day_date.h"
#include "ui/clamping_spin_edit.h"
#include "ui/help_router.h"
#include "ui/latin1.h"
#include "ui/user_interface.h"

namespace brevant {
namespace {

QString DayText(double day) {
    const CivilDate c = DecodeDate(day);
    return QString("%1.%2.%3")
        .arg(c.day, 2, 10, QChar('0'))
        .arg(c.month, 2, 10, QChar('0'))
        .arg(c.year, 4, 10, QChar('0'));
}

} // namespace

TBacktestWindow::TBacktestWindow(TScanHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle("Back-test");
    resize(760, 620);
    auto* layout = new QVBoxLayout(this);
    FormulaLabel = new QLabel(this);
    FormulaLabel->setObjectName("FormulaLabel");
    FormulaLabel->setWordWrap(true);
    FormulaLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(FormulaLabel);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel("Days:", this));
    DaysEdit = new ui::TClampingSpinEdit(1, kBacktestMaxDays, 250, this);
    DaysEdit->setObjectName("DaysEdit");
    controls->addWidget(DaysEdit);
    controls->addWidget(new QLabel("Holding periods:", this));
    HoldsEdit = new QLineEdit("1,5,20", this);
    HoldsEdit->setObjectName("HoldsEdit");
    HoldsEdit->setToolTip("Bars held after each day, separated by commas.");
    controls->addWidget(HoldsEdit);
    auto button = [this, controls](const char* caption, void (TBacktestWindow::*handler)()) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        controls->addWidget(b);
        return b;
    };
    RunButton = button("Run", &TBacktestWindow::RunButtonClick);
    controls->addStretch(1);
    SaveCsvButton = button("Save CSV...", &TBacktestWindow::SaveCsvButtonClick);
    SavePngButton = button("Save Picture...", &TBacktestWindow::SavePngButtonClick);
    HelpButton = button("Help", &TBacktestWindow::HelpButtonClick);
    layout->addLayout(controls);

    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusLabel");
    layout->addWidget(StatusLabel);

    FiguresTable = new QTableWidget(0, 9, this);
    FiguresTable->setObjectName("FiguresTable");
    FiguresTable->setHorizontalHeaderLabels(
        {"Hold", "Picks", "Mean", "Median", "Rose", "Market", "Mean", "Median", "Rose"});
    FiguresTable->verticalHeader()->hide();
    FiguresTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FiguresTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    FiguresTable->setFixedHeight(130);
    layout->addWidget(FiguresTable);

    Plot = new QCustomPlot(this);
    Plot->setObjectName("Plot");
    layout->addWidget(Plot, 1);
    SaveCsvButton->setEnabled(false);
    SavePngButton->setEnabled(false);
}

void TBacktestWindow::Open(std::shared_ptr<const Formula> formula, BarPeriod period) {
    if (running_) return;
    settings_.formula = std::move(formula);
    settings_.period = period;
    const QString bars = period == BarPeriod::Daily    ? "daily bars"
                         : period == BarPeriod::Weekly ? "weekly bars (a day is a week)"
                                                       : "monthly bars (a day is a month)";
    FormulaLabel->setText("Formula: " + ui::FromLatin1(settings_.formula->text) + "   (" + bars +
                          ")");
    figures_.reset();
    FiguresTable->setRowCount(0);
    Plot->clearGraphs();
    Plot->replot();
    StatusLabel->setText("Choose the days and the holding periods, then \"Run\".");
    SaveCsvButton->setEnabled(false);
    SavePngButton->setEnabled(false);
    show();
    raise();
    activateWindow();
}

bool TBacktestWindow::ReadHolds(std::vector<int>& holds) {
    holds.clear();
    for (const QString& part : HoldsEdit->text().split(',')) {
        bool ok = false;
        const int h = part.trimmed().toInt(&ok);
        if (!ok || h < 1 || h > kBacktestMaxHold || holds.size() == 10 ||
            std::find(holds.begin(), holds.end(), h) != holds.end()) {
            ui::Ui().ShowMessage(this, QString("Holding periods: up to 10 different numbers of "
                                               "bars from 1 to %1, separated by commas.")
                                           .arg(kBacktestMaxHold));
            return false;
        }
        holds.push_back(h);
    }
    return true;
}

void TBacktestWindow::RunButtonClick() {
    if (running_) {
        stop_ = true;
        return;
    }
    if (!settings_.formula || !ReadHolds(settings_.holds)) return;
    settings_.days = DaysEdit->value();
    const QStringList list = host_.StockListItems();
    if (list.isEmpty()) {
        ui::Ui().ShowMessage(this, kScanEmptyDatabaseMessage);
        return;
    }
    stocks_.clear();
    for (const QString& text : list) stocks_.push_back(ui::ToLatin1(text));

    running_ = true;
    stop_ = false;
    RunButton->setText("Stop");
    QElapsedTimer shown;
    shown.start();
    ScanCallbacks cb;
    cb.processMessages = [&shown] {
        if (shown.elapsed() < 20) return;
        QApplication::processEvents();
        shown.restart();
    };
    cb.stopRequested = [this] { return stop_; };
    cb.reading = [this](long rows, long) {
        StatusLabel->setText(QString("Reading prices... %L1 rows").arg(rows));
    };
    cb.progress = [this, &shown](const ScanCounters& c) {
        if (shown.elapsed() >= 20 || c.processed == c.total)
            StatusLabel->setText(QString("Testing stock %1 from %2").arg(c.processed).arg(c.total));
    };
    const BacktestResult result = RunBacktest(host_.Store(), stocks_, host_.IndicatorParams(),
                                              settings_, cb, host_.BarCache());
    running_ = false;
    RunButton->setText("Run");
    if (result.outcome == ScanOutcome::Failed) {
        StatusLabel->setText("Stopped by a database error.");
        ui::Ui().ShowMessage(this, QString::fromLocal8Bit(result.error.c_str()));
        return;
    }
    if (result.outcome == ScanOutcome::Stopped) {
        StatusLabel->setText("Stopped: figures of part of the stocks are not shown.");
        return;
    }
    figures_ = std::make_unique<BacktestFigures>(result.figures);
    ShowFigures();
}

void TBacktestWindow::ShowFigures() {
    const BacktestFigures& f = *figures_;
    FiguresTable->setRowCount(static_cast<int>(f.holds.size()));
    for (int r = 0; r < static_cast<int>(f.holds.size()); ++r) {
        const HoldFigures& h = f.holds[static_cast<std::size_t>(r)];
        const QString cells[] = {QString::number(h.hold),
                                 QString::number(h.picks.count),
                                 QString::fromStdString(ReturnText(h.picks.mean)),
                                 QString::fromStdString(ReturnText(h.picks.median)),
                                 QString::fromStdString(ShareText(h.picks.roseShare)),
                                 QString::number(h.market.count),
                                 QString::fromStdString(ReturnText(h.market.mean)),
                                 QString::fromStdString(ReturnText(h.market.median)),
                                 QString::fromStdString(ShareText(h.market.roseShare))};
        for (int c = 0; c < 9; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            FiguresTable->setItem(r, c, item);
        }
    }
    if (f.days.empty())
        StatusLabel->setText("No day to test: the database has no bars.");
    else
        StatusLabel->setText(QString("%1 days, %2 to %3: %4 picks; short of data on %5 of %6 "
                                     "stock-days.")
                                 .arg(f.days.size())
                                 .arg(DayText(f.days.front()), DayText(f.days.back()))
                                 .arg(f.picks.size())
                                 .arg(f.shortOfData)
                                 .arg(f.stockDays));
    DrawBacktestPlot(*Plot, f, settings_.holds);
    SaveCsvButton->setEnabled(true);
    SavePngButton->setEnabled(true);
}

void TBacktestWindow::HelpButtonClick() {
    ui::HelpJump(host_.ProgramDir() + ui::kHelpFileName, "Backtest");
}

void TBacktestWindow::SaveCsvButtonClick() {
    if (!figures_) return;
    const QString path =
        ui::Ui().SaveFileName(this, "Save back-test...", "CSV files (*.csv)", "csv");
    if (path.isEmpty()) return;
    try {
        WriteBacktestCsv(path.toLocal8Bit().toStdString(), *figures_, settings_.holds, stocks_);
    } catch (const std::exception& e) {
        ui::Ui().ShowMessage(this, QString::fromLocal8Bit(e.what()));
    }
}

void TBacktestWindow::SavePngButtonClick() {
    if (!figures_) return;
    const QString path =
        ui::Ui().SaveFileName(this, "Save picture...", "PNG pictures (*.png)", "png");
    if (path.isEmpty()) return;
    if (!SaveBacktestPng(*figures_, settings_.holds, path.toLocal8Bit().toStdString(), 1200, 700))
        ui::Ui().ShowMessage(this, "Cannot write " + path);
}

} // namespace brevant
