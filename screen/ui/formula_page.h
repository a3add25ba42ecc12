// Brevant Dira — the filter dialog's "Formula" page: a screen of the user's
// own written as a formula, checked, saved by name and picked again, run by
// "Scan Now!" beside the four filters or with other saved screens together,
// and back-tested.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "formula/formula.h"
#include "store/saved_screens.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace brevant {

class TBacktestWindow;
class TScanHost;

class TFormulaPage : public QWidget {
    Q_OBJECT
public:
    TFormulaPage(TScanHost& host, QWidget* parent = nullptr);

    // Reads the saved screens again (a server's other users may have saved
    // some); keeps the ticks of those still there.
    void LoadScreens();

    // The formula in the box, parsed. On a fault the message stands under the
    // box, the cursor goes to its position and the result is nullptr.
    std::shared_ptr<const Formula> CheckedFormula();
    BarPeriod Period() const;
    // The saved screens whose box is ticked, in list order.
    std::vector<SavedScreen> TickedScreens() const;

    void CheckButtonClick();
    void SaveButtonClick();
    void DeleteButtonClick();
    // "Back-test...": the back-test window for the formula in the box.
    void BacktestButtonClick();

    QListWidget* ScreenList = nullptr; // saved screens, by name, each with a tick
    QLineEdit* NameEdit = nullptr;
    QPlainTextEdit* FormulaEdit = nullptr;
    QComboBox* PeriodBox = nullptr;    // "Daily", "Weekly", "Monthly"
    QCheckBox* FormulaCheck = nullptr; // "Formula Filter": "Scan Now!" runs it too
    QListWidget* FunctionList = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* CheckButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* RunScreensButton = nullptr;   // "Scan Ticked Screens"
    QPushButton* BacktestButton = nullptr;     // "Back-test..."
    QPushButton* HelpButton = nullptr;         // the page "Formula_Screens"
    TBacktestWindow* BacktestWindow = nullptr; // made at the first "Back-test..."

signals:
    void runScreensRequested();

private:
    QWidget* setupScreens();
    QWidget* setupEditor();
    void ShowScreen(int row);
    void Say(const QString& text, bool fault);

    TScanHost& host_;
    std::vector<SavedScreen> screens_;
};

} // namespace brevant
