// Brevant Dira — the filter dialog: choosing the filters and starting a run.
#pragma once

#include <QDialog>
#include <QMap>
#include <functional>
#include <vector>

#include "screen/scan_run.h"
#include "screen/scan_settings.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace brevant {

class TForm5;
class TFormulaPage;
class TScanHost;
struct CataloguePage;
namespace ui {
class TClampingSpinEdit;
}

// The dialog's whole-number fields: limits apply when the user leaves one.
using TSpinEdit = ui::TClampingSpinEdit;

// The "Basic" page: the four filters that work, each a group with its tick,
// its values and its period.
struct TBasicFilterPage {
    QGroupBox* MovingAverageGroup = nullptr;
    QGroupBox* MacdGroup = nullptr;
    QGroupBox* RsiGroup = nullptr;
    QGroupBox* VolumeGroup = nullptr;
    QCheckBox* CheckBox1 = nullptr;  // moving-average cross
    QCheckBox* CheckBox2 = nullptr;  // MACD buy signal
    QCheckBox* CheckBox3 = nullptr;  // RSI
    QCheckBox* CheckBox4 = nullptr;  // volume
    TSpinEdit* SpinEdit1 = nullptr;  // moving average 1
    TSpinEdit* SpinEdit2 = nullptr;  // moving average 2
    TSpinEdit* SpinEdit3 = nullptr;  // moving-average days
    TSpinEdit* SpinEdit4 = nullptr;  // MACD days
    TSpinEdit* SpinEdit5 = nullptr;  // RSI level
    TSpinEdit* SpinEdit6 = nullptr;  // RSI days
    TSpinEdit* SpinEdit7 = nullptr;  // average volume
    QComboBox* ComboBox10 = nullptr; // RSI "Above" / "Below"
    QComboBox* ComboBox11 = nullptr; // periods: moving average,
    QComboBox* ComboBox12 = nullptr; // MACD,
    QComboBox* ComboBox13 = nullptr; // RSI,
    QComboBox* ComboBox15 = nullptr; // volume
};

// Created once and hidden, never destroyed, so ticks and values last for the
// whole run of the program. Four filters work; the other pages show the
// filters of later editions, disabled, each with its help page.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TScanHost& host, QWidget* parent = nullptr);

    // The progress window exists only after this one (creation order).
    void SetProgressWindow(TForm5* form5) { form5_ = form5; }

    // Rewrites the captions that name indicator periods; also called by the
    // indicator and overlay settings when the periods change.
    void SetIndicatorValue();
    // True when none of the four filters is ticked.
    bool FilterSelected() const;
    void ClearAllFilter();
    void SelectAllFilter();
    // The ticks and values of the four filters.
    ScanFilters Filters() const;

    void Button1Click(); // "Scan Now!"
    void Button2Click(); // "Close"
    void Button3Click(); // "UnCheck All"
    void Button4Click(); // "Check All"
    void Button5Click(); // "Help"

    // The help button SpeedButtonN; nullptr for a number the dialog lacks.
    QToolButton* SpeedButton(int number) const { return speedButtons_.value(number); }
    // The group box of a catalogue sub-page, by the sub-page's title.
    QGroupBox* CatalogueGroup(const QString& subPage) const { return groups_.value(subPage); }

    QTabWidget* PageControl2 = nullptr; // the four pages
    QTabWidget* PageControl1 = nullptr; // "Technical Analysis 1"
    QTabWidget* PageControl4 = nullptr; // "Technical Analysis 2"
    QTabWidget* PageControl3 = nullptr; // "Pattern Analysis"

    TBasicFilterPage Basic;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;

    // Beside the specified pages: a screen of the user's own, its saved
    // screens and its back-test.
    TFormulaPage* FormulaPage = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setupButtons(QBoxLayout* layout);
    QWidget* setupBasicPage();
    QGroupBox* NewFilterGroup(const QString& caption, QCheckBox*& check, QComboBox*& period,
                              int helpButton, const char* topic);
    void setupCatalogue(QTabWidget* pages, const std::vector<CataloguePage>& catalogue);
    QWidget* NewCataloguePage(const CataloguePage& page);
    QToolButton* NewHelpButton(int number, const char* topic, QWidget* parent);
    void HelpJump(const QString& topic) const;
    void RunScan();
    void RunTickedScreens(); // "Scan Ticked Screens" on the formula page
    // What a run answers when it ends.
    struct RunEnd {
        ScanOutcome outcome;
        std::string error;
        ScanCounters counters;
    };
    // The steps around every run: the main window prepared, the progress
    // window shown and this dialog hidden, then `run` with the progress
    // callbacks, and the ending.
    void RunWithProgress(const std::function<RunEnd(ScanCallbacks&)>& run);

    TScanHost& host_;
    TForm5* form5_ = nullptr;
    bool running_ = false;
    QMap<int, QToolButton*> speedButtons_;
    QMap<QString, QGroupBox*> groups_;
};

} // namespace brevant
