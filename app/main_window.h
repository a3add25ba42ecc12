// Brevant Dira — the main window: the stock lists, the chart and every command.
#pragma once

#include <QMainWindow>

#include "app/chart_tools.h"
#include "app/graph_menu.h"
#include "app/main_menu.h"
#include "app/main_tool_bar.h"
#include "app/start_options.h"
#include "app/stock_lists.h"
#include "chart/chart_view.h"
#include "chart/ui/chart_pane.h"
#include "screen/ui/scan_host.h"
#include "store/data_store.h"
#include "store/stock_list.h"
#include "store/ui/store_host.h"
#include "store/whole_history.h"
#include "ta/indicator_params.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace brevant {

struct TAppWindows;

// Owns the state every window works on: the database components, the stock
// list, the current stock's bars, the indicator parameters, the locale copy
// and the program's folder. Created hidden by the splash; its first showing
// (FormShow) runs the start-up.
//
// Its controls and their commands live in parts named after what the user
// sees: the chart pane, the stock lists with the search box, the "&Graph"
// menu with the view combo boxes, the other menus and the tool bar.
class TForm1 : public QMainWindow, public TStoreHost, public TScanHost, private TChartPaneHost {
    Q_OBJECT
public:
    explicit TForm1(const TStartOptions& options);
    ~TForm1() override;

    // The windows created after this one; set once they all exist.
    void SetWindows(const TAppWindows* windows);
    // True once the program is ending (a failed start-up or a close).
    bool Closing() const { return closing_; }

    // --- Start-up and shutdown ---
    void FormShow();
    // While the splash waits: the engine readied on the database FormShow
    // will open (quietly; FormShow reports what fails).
    void WarmUpDatabase();
    void LoadOptions();
    void FormClose();
    void Timer2Timer();
    void WMSysCommand(bool minimize);

    // --- Stock list, history and the chart ---
    void LoadStockList();
    void LoadDataForName(const QString& text, bool manageTransaction);
    void CheckIndicator();
    void PlotData();

    // --- The chart's events, handled by its pane ---
    void Chart1MouseMove(int x) { ChartPane->Chart1MouseMove(x); }
    void Timer1Timer() { ChartPane->Timer1Timer(); }
    QString Chart1GetAxisLabel(const QCPAxis* axis, const QString& text) const {
        return ChartPane->Chart1GetAxisLabel(axis, text);
    }
    void SpeedButton5Click(); // the crosshair toggle
    void ApplicationEvents1ShortCut(int key);

    // --- TStoreHost ---
    TDataStore& Store() override { return store_; }
    const LocaleSettings& ProgramLocale() const override { return LocaleSettings_; }
    char DecimalSeparator() const override { return LocaleSettings_.DecimalSeparator; }
    QString ProgramDir() const override { return ProgramDir_; }
    bool& StopRequest() override { return StopRequest_; }
    void ImportFinished() override;

    // --- TScanHost (Store and ProgramDir above serve both) ---
    TBarCache& BarCache() override { return barCache_; }
    const TIndicatorParams& IndicatorParams() const override { return Params; }
    QStringList StockListItems() const override;
    void BeginScan() override;
    void AddScanResult(const QString& listText) override;
    void EndScan() override;

    // --- Shared state ---
    TBars Bars;
    TIndicatorParams Params;

    // --- Parts ---
    TChartPane* ChartPane = nullptr; // Chart1, its labels, the detail panel, Timer1
    TStockLists Lists;               // ListBox1, ListBox2, the search box
    TGraphMenu Graph;                // "&Graph" and the view combo boxes
    TMainMenu Menu;                  // the other menus and the period popup
    TMainToolBar Tools;              // ToolBar1 and its buttons
    TChartTools Analysis;            // panels, drawings, periods, the remembered view

    static constexpr const char* kCaption = " Brevant Dira          ";

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TMainMenu;   // its commands open the other windows
    friend class TViewMemory; // keeps the overlay and filter dialogs' settings

    // Attaches the database (creating or completing it) with the start
    // options' login; asks for a password while a server refuses the login.
    // False after the failure was shown.
    bool OpenDatabase(const struct ProgressCallbacks& progress);
    void setupWindow();
    void setupMenus();
    void setupFileMenu();
    void setupDataMenu();
    void setupFilterMenu();
    void setupGraphMenu();
    void setupHelpMenu();
    void setupPeriodPopup();
    void setupToolBar();
    void setupCentralArea();
    void setupStockLists(QTabWidget* pages);
    void setupSearch(QWidget* parent);
    void setupChart();
    void setupDrawings();
    void setupDrawMenu(QMenu* graph);
    void setupTimers();
    template <class Handler>
    QAction* AddItem(QMenu* menu, const QString& caption, Handler handler,
                     const QKeySequence& shortcut = {});

    void FillStockList();
    // The view state as the controls hold it, for the chart core.
    ChartView ChartViewState() const;
    // The shown stock's whole history, read once per stock and load.
    const brevant::WholeHistory* ShownHistory();
    friend class TGraphMenu; // "Date Range..." asks whether the days hold quotes
    OverlaySettings Overlays() const;

    // --- TChartPaneHost: the window's state as it is when the pane asks ---
    bool ReadoutWanted() const override;
    const TBars& CurrentBars() const override { return Bars; }
    int CurrentIndicator() const override;
    OverlaySettings CurrentOverlays() const override { return Overlays(); }
    const LocaleSettings& CurrentLocale() const override { return LocaleSettings_; }
    bool WholeHistoryBars(bool adjusted, TBars& bars) override;
    std::vector<int> CurrentAddedPanels() const override { return Analysis.Panels.AddedViews(); }
    void DecorateSheet(ChartRenderer& sheet, const TBars& bars) override;

    TDataStore store_;
    // Bars read this session, for screening again and for going back to a
    // stock; checked against the database before every use.
    TBarCache barCache_;
    TStockList Stocks;
    // The stock LoadDataForName loaded last, and its whole history once the
    // chart asked for it (the second loader's rows, 24 bytes a day).
    std::string shownStock_;
    std::optional<brevant::WholeHistory> wholeHistory_;
    LocaleSettings LocaleSettings_;
    QString ProgramDir_;
    QString DatabasePath;
    QString DatabaseUser;
    QString PasswordFile;
    bool StopRequest_ = false;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusText1 = nullptr; // the status bar's lasting text
    QTimer* Timer2 = nullptr;      // first-time guide, 150 ms, once
    const TAppWindows* windows_ = nullptr;
    bool closing_ = false;
    bool stockListFilled_ = false;
    QList<QWidget*> hiddenByMinimize_;
};

} // namespace brevant
