// Brevant Dira — the main window: the stock lists, the chart and every command.
#pragma once

#include <QMainWindow>
#include <QPalette>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/start_options.h"
#include "chart/chart_model.h"
#include "chart/chart_view.h"
#include "screen/ui/scan_host.h"
#include "store/data_store.h"
#include "store/stock_list.h"
#include "store/ui/store_host.h"
#include "ta/indicator_params.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"
#include "ui/help_router.h"

class QAction;
class QActionGroup;
class QComboBox;
class QCustomPlot;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;

namespace brevant {

struct TAppWindows;
class ChartCrosshair;
class ChartRenderer;
class TStockListBox;

// Owns the state every window works on: the database components, the stock
// list, the current stock's bars, the indicator parameters, the locale copy
// and the program's folder. Created hidden by the splash; its first showing
// (FormShow) runs the start-up.
class TForm1 : public QMainWindow, public TStoreHost, public TScanHost {
    Q_OBJECT
public:
    explicit TForm1(const TStartOptions& options);
    ~TForm1() override;

    // The windows created after this one; set once they all exist.
    void SetWindows(const TAppWindows* windows) { windows_ = windows; }

    // --- Start-up and shutdown ---
    void FormShow();
    void LoadOptions();
    void FormClose();
    void Exit2Click();
    void Timer2Timer();
    void WMSysCommand(bool minimize);
    // True once the program is ending (a failed start-up or a close).
    bool Closing() const { return closing_; }

    // --- Stock list and history ---
    void LoadStockList();
    void LoadDataForName(const QString& text, bool manageTransaction);
    void CheckIndicator();
    void PlotData();

    // --- Navigation and search ---
    void ListBox1DblClick();
    void Button2Click();
    void Edit3KeyUp(int key);
    static QString UpcaseS(const QString& text);

    // --- Detail panel ---
    void ViewDetailData1Click();

    // --- Data menu ---
    void UpdateData1Click();
    void ManageStockSplitDivident1Click();
    void UndoStockSplitDividend1Click();
    void DailyData1Click();
    void WeeklyData1Click();
    void MonthlyData1Click();
    void SpeedButton6Click();

    // --- File and Filter menus ---
    void SaveFilterResult1Click();
    void Print1Click();
    void ScanNow1Click();
    void SetIndicatorValue1Click();
    void OverlayIndicator1Click();
    void SpeedButton7Click();

    // --- Graph menu: what each item does, by name (the items come from the view tables) ---
    void Month1Click();
    void View3MClick();
    void View6MClick();
    void View1YearClick();
    void ViewAllDataClick();
    void ViewMACDLClick();
    void ViewMACDHClick();
    void ViewMACDClick();
    void ViewRSIClick();
    void ViewCCIClick();
    void ViewMFIClick();
    void ViewWRClick();
    void ViewADXClick();
    void ViewDIClick();
    void ViewFastStocClick();
    void ViewSlowStocClick();
    void ViewCMFClick();
    void ViewAccumClick();
    void ViewROCClick();
    void ViewOBVClick();
    void ViewATRClick();
    void ViewBarClick();
    void ViewCandleClick();
    void ViewLineClick();

    // --- Chart ---
    void SpeedButton5Click();
    void Chart1MouseMove(int x);
    void Timer1Timer();
    void ApplicationEvents1ShortCut(int key);

    // --- Help ---
    void About1Click();
    void FirstTimeInstallation1Click();
    void HelpFile1Click();
    void SpeedButton4Click();

    // --- What the first-time guide shows of this window, as laid out now ---
    // The tool bar from its left end through the "Help" button.
    QPixmap ToolButtonsPicture();
    // Where the tool button with the hint `hint` ("Update Database") lies in
    // that picture; empty when no tool button has that hint.
    QRect ToolButtonRect(const QString& hint) const;

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
    TStockList Stocks;
    TBars Bars;
    TIndicatorParams Params;
    LocaleSettings LocaleSettings_;
    QString ProgramDir_;
    QString DatabasePath;
    QString DatabaseUser;
    QString PasswordFile;
    bool CrossCursor = false;
    bool StopRequest_ = false;
    ui::HelpRouter HelpRouter1;

    // --- Controls ---
    QToolBar* ToolBar1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // Print
    QToolButton* SpeedButton2 = nullptr; // Update Database
    QToolButton* SpeedButton3 = nullptr; // Filter Database
    QToolButton* SpeedButton4 = nullptr; // Help
    QToolButton* SpeedButton5 = nullptr; // Cross Cursor
    QToolButton* SpeedButton6 = nullptr; // period: D, W, M
    QToolButton* SpeedButton7 = nullptr; // Overlay
    QComboBox* ComboBox1 = nullptr;      // indicator
    QComboBox* ComboBox2 = nullptr;      // price style
    QComboBox* ComboBox3 = nullptr;      // time window
    QFrame* Panel3 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    TStockListBox* ListBox1 = nullptr;
    TStockListBox* ListBox2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QToolButton* Button2 = nullptr;
    QCustomPlot* Chart1 = nullptr;
    ChartRenderer* Renderer1 = nullptr; // draws the composed chart into Chart1
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusText1 = nullptr; // the status bar's lasting text
    QTimer* Timer1 = nullptr;      // readout, 50 ms
    QTimer* Timer2 = nullptr;      // first-time guide, 150 ms, once

    // Header labels above the chart and the detail panel's labels, by their names.
    QLabel* Label(int number) const;

    // Menu items, by the names the commands use.
    QAction* ViewDetailData1 = nullptr;
    QAction* DailyData1 = nullptr;
    QAction* WeeklyData1 = nullptr;
    QAction* MonthlyData1 = nullptr;
    QAction* ViewDailyData1 = nullptr;
    QAction* ViewWeeklyData1 = nullptr;
    QAction* ViewMonthlyData1 = nullptr;
    QAction* ScanNow1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit2 = nullptr;
    QAction* About1 = nullptr;
    QAction* FirstTimeInstallation1 = nullptr;
    QAction* HelpFile1 = nullptr;
    QList<QAction*> IndicatorItems; // ViewMACDL .. ViewATR, in ComboBox1 order
    QList<QAction*> WindowItems;    // View1M .. ViewAllData, in ComboBox3 order
    QList<QAction*> StyleItems;     // ViewBar, ViewCandle, ViewLine, in ComboBox2 order

    static constexpr const char* kCaption = " Brevant Dira          ";

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
    void setupDetailPanel(QWidget* parent);
    void setupStockLists(QWidget* parent);
    void setupSearch(QWidget* parent);
    void setupChart(QWidget* parent);
    void setupTimers();
    void setupChartDrawing();
    QLabel* NewLabel(int number, const QString& text, QWidget* parent);

    QAction* AddItem(QMenu* menu, const QString& caption, void (TForm1::*handler)(),
                     const QKeySequence& shortcut = {});
    void ChoosePeriod(int period);
    void SetIndicator(int index);
    void SetWindow(int index);
    void SetStyle(int index);
    void ShowStock(const QString& text);
    TStockListBox* VisibleList() const;
    void FillStockList();
    void ShowModalOnce(class QDialog* dialog);
    // The view state as the controls hold it, for the chart core.
    ChartView ChartViewState() const;
    StockSelection ChartSelection() const;
    OverlaySettings Overlays() const;
    void PlaceIndicatorTitle();
    // Fills the detail panel's readout for the last mouse position over the
    // chart, after the detail panel went back to its designed texts.
    void RefreshReadout();
    void ReadoutAt(int x);
    void ShowHeaderLabels(bool visible);

    TDataStore store_;
    // Bars read this session, for screening again and for going back to a
    // stock; checked against the database before every use.
    TBarCache barCache_;
    const TAppWindows* windows_ = nullptr;
    bool closing_ = false;
    bool stockListFilled_ = false;
    int lastMouseX_ = 0;
    bool mouseMovedOverChart_ = false; // lastMouseX_ holds a position
    // The detail panel's labels as designed, for a readout that has nothing
    // to show.
    struct DesignedLabel {
        QLabel* label;
        QString text;
        QPalette palette;
    };
    std::vector<DesignedLabel> detailDesign_;
    QList<QWidget*> hiddenByMinimize_;
    std::map<int, QLabel*> labels_;
    // Kept for the run: a composition leaves what it does not set as it was.
    ChartModel model_ = InitialChartModel();
    std::unique_ptr<ChartCrosshair> crosshair_;
};

} // namespace brevant
