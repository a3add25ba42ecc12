// Brevant Dira — the filter dialog's "Formula" page.
#include "screen/ui/formula_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

#include "formula/formula_error.h"
#include "formula/formula_names.h"
#include "screen/ui/backtest_window.h"
#include "screen/ui/scan_host.h"
#include "ui/help_router.h"
#include "ui/latin1.h"
#include "ui/user_interface.h"

namespace brevant {
namespace {

QPushButton* NewButton(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

// The text a double click on a function puts into the box: its first name.
QString FirstName(std::string_view written) {
    const std::size_t end = written.find_first_of(" ,(");
    return ui::FromLatin1(written.substr(0, end));
}

} // namespace

TFormulaPage::TFormulaPage(TScanHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(setupScreens());
    row->addWidget(setupEditor(), 1);
}

QWidget* TFormulaPage::setupScreens() {
    auto* column = new QWidget(this);
    column->setFixedWidth(150);
    auto* box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(new QLabel("Saved screens:", column));
    ScreenList = new QListWidget(column);
    ScreenList->setObjectName("ScreenList");
    ScreenList->setToolTip("Click a screen to edit it; tick screens to scan them together.");
    box->addWidget(ScreenList, 1);
    connect(ScreenList, &QListWidget::currentRowChanged, this, &TFormulaPage::ShowScreen);
    RunScreensButton = NewButton("Scan Ticked Screens", column);
    connect(RunScreensButton, &QPushButton::clicked, this, &TFormulaPage::runScreensRequested);
    box->addWidget(RunScreensButton);
    auto* buttons = new QHBoxLayout;
    SaveButton = NewButton("Save", column);
    DeleteButton = NewButton("Delete", column);
    connect(SaveButton, &QPushButton::clicked, this, &TFormulaPage::SaveButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TFormulaPage::DeleteButtonClick);
    buttons->addWidget(SaveButton);
    buttons->addWidget(DeleteButton);
    box->addLayout(buttons);
    return column;
}

QWidget* TFormulaPage::setupEditor() {
    auto* editor = new QWidget(this);
    auto* grid = new QGridLayout(editor);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel("Name:", editor), 0, 0);
    NameEdit = new QLineEdit(editor);
    NameEdit->setObjectName("NameEdit");
    NameEdit->setMaxLength(static_cast<int>(kSavedScreenNameLength));
    grid->addWidget(NameEdit, 0, 1, 1, 3);

    grid->addWidget(new QLabel("Formula:", editor), 1, 0, Qt::AlignTop);
    FormulaEdit = new QPlainTextEdit(editor);
    FormulaEdit->setObjectName("FormulaEdit");
    FormulaEdit->setPlaceholderText("macd_line crosses above macd_signal and rsi < 70");
    FormulaEdit->setFixedHeight(58);
    grid->addWidget(FormulaEdit, 1, 1, 1, 3);

    FormulaCheck = new QCheckBox("Formula Filter", editor);
    FormulaCheck->setObjectName("FormulaCheck");
    FormulaCheck->setToolTip("Ticked: \"Scan Now!\" screens with this formula too.");
    grid->addWidget(FormulaCheck, 2, 1);
    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(new QLabel("Data:", editor));
    PeriodBox = new QComboBox(editor);
    PeriodBox->setObjectName("PeriodBox");
    PeriodBox->addItems({"Daily", "Weekly", "Monthly"});
    periodRow->addWidget(PeriodBox);
    grid->addLayout(periodRow, 2, 2);
    CheckButton = NewButton("Check", editor);
    connect(CheckButton, &QPushButton::clicked, this, &TFormulaPage::CheckButtonClick);
    grid->addWidget(CheckButton, 2, 3);

    StatusLabel = new QLabel(editor);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setWordWrap(true);
    StatusLabel->setMinimumHeight(28);
    grid->addWidget(StatusLabel, 3, 1, 1, 3);

    grid->addWidget(new QLabel("Functions:", editor), 4, 0, Qt::AlignTop);
    FunctionList = new QListWidget(editor);
    FunctionList->setObjectName("FunctionList");
    FunctionList->setToolTip("Double-click to put the name into the formula.");
    for (const FormulaHelpEntry& e : FormulaHelp()) {
        auto* item =
            new QListWidgetItem(ui::FromLatin1(e.written) + "   " + ui::FromLatin1(e.meaning));
        item->setData(Qt::UserRole, FirstName(e.written));
        FunctionList->addItem(item);
    }
    connect(FunctionList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        FormulaEdit->insertPlainText(item->data(Qt::UserRole).toString());
        FormulaEdit->setFocus();
    });
    grid->addWidget(FunctionList, 4, 1, 1, 3);
    grid->setRowStretch(4, 1);

    HelpButton = NewButton("Formula Help", editor);
    connect(HelpButton, &QPushButton::clicked, this,
            [this] { ui::HelpJump(host_.ProgramDir() + ui::kHelpFileName, "Formula_Screens"); });
    grid->addWidget(HelpButton, 5, 1, Qt::AlignLeft);
    BacktestButton = NewButton("Back-test...", editor);
    connect(BacktestButton, &QPushButton::clicked, this, &TFormulaPage::BacktestButtonClick);
    grid->addWidget(BacktestButton, 5, 3);
    grid->setColumnStretch(1, 1);
    return editor;
}

void TFormulaPage::Say(const QString& text, bool fault) {
    StatusLabel->setStyleSheet(fault ? "color: rgb(180, 0, 0);" : "color: rgb(0, 110, 0);");
    StatusLabel->setText(text);
}

std::shared_ptr<const Formula> TFormulaPage::CheckedFormula() {
    const std::string text = ui::ToLatin1(FormulaEdit->toPlainText());
    try {
        auto formula = ParseFormula(text);
        Say("The formula is correct.", false);
        return formula;
    } catch (const FormulaError& e) {
        QString message = ui::FromLatin1(e.what());
        message[0] = message[0].toUpper();
        Say(message + ".", true);
        QTextCursor cursor = FormulaEdit->textCursor();
        cursor.setPosition(std::min(e.Position() - 1, int(FormulaEdit->toPlainText().size())));
        FormulaEdit->setTextCursor(cursor);
        return nullptr;
    }
}

BarPeriod TFormulaPage::Period() const {
    return static_cast<BarPeriod>(std::max(0, PeriodBox->currentIndex()));
}

void TFormulaPage::BacktestButtonClick() {
    const std::shared_ptr<const Formula> formula = CheckedFormula();
    if (!formula) return;
    if (!BacktestWindow) BacktestWindow = new TBacktestWindow(host_, this);
    BacktestWindow->Open(formula, Period());
}

void TFormulaPage::CheckButtonClick() {
    CheckedFormula();
    FormulaEdit->setFocus();
}

void TFormulaPage::LoadScreens() {
    QSet<QString> ticked;
    for (int i = 0; i < ScreenList->count(); ++i)
        if (ScreenList->item(i)->checkState() == Qt::Checked) ticked << ScreenList->item(i)->text();
    try {
        screens_ = ReadSavedScreens(host_.Store());
    } catch (const std::exception& e) {
        screens_.clear();
        Say(QString::fromLocal8Bit(e.what()), true);
    }
    const QSignalBlocker quiet(ScreenList);
    ScreenList->clear();
    for (const SavedScreen& s : screens_) {
        auto* item = new QListWidgetItem(ui::FromLatin1(s.name), ScreenList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(ticked.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(ui::FromLatin1(s.formula));
    }
}

void TFormulaPage::ShowScreen(int row) {
    if (row < 0 || row >= static_cast<int>(screens_.size())) return;
    const SavedScreen& s = screens_[static_cast<std::size_t>(row)];
    NameEdit->setText(ui::FromLatin1(s.name));
    FormulaEdit->setPlainText(ui::FromLatin1(s.formula));
    PeriodBox->setCurrentIndex(static_cast<int>(s.period));
    StatusLabel->clear();
}

std::vector<SavedScreen> TFormulaPage::TickedScreens() const {
    std::vector<SavedScreen> out;
    for (int i = 0; i < ScreenList->count() && i < static_cast<int>(screens_.size()); ++i)
        if (ScreenList->item(i)->checkState() == Qt::Checked)
            out.push_back(screens_[static_cast<std::size_t>(i)]);
    return out;
}

void TFormulaPage::SaveButtonClick() {
    const QString name = NameEdit->text().trimmed();
    if (name.isEmpty()) {
        ui::Ui().ShowMessage(this, "Give the screen a name to save it under.");
        NameEdit->setFocus();
        return;
    }
    // A screen that cannot run is not kept.
    if (!CheckedFormula()) return;
    try {
        StoreSavedScreen(host_.Store(),
                         {ui::ToLatin1(name), ui::ToLatin1(FormulaEdit->toPlainText()), Period()});
    } catch (const std::exception& e) {
        ui::Ui().ShowMessage(this, QString::fromLocal8Bit(e.what()));
        return;
    }
    LoadScreens();
    const QList<QListWidgetItem*> saved = ScreenList->findItems(name, Qt::MatchExactly);
    if (!saved.isEmpty()) {
        const QSignalBlocker quiet(ScreenList);
        ScreenList->setCurrentItem(saved.front());
    }
    Say("Saved as \"" + name + "\".", false);
}

// The screen's name and formula stay in the boxes: "Save" brings it back.
void TFormulaPage::DeleteButtonClick() {
    const int row = ScreenList->currentRow();
    if (row < 0 || row >= static_cast<int>(screens_.size())) {
        ui::Ui().ShowMessage(this, "Click the saved screen to delete first.");
        return;
    }
    const SavedScreen screen = screens_[static_cast<std::size_t>(row)];
    try {
        DeleteSavedScreen(host_.Store(), screen.name);
    } catch (const std::exception& e) {
        ui::Ui().ShowMessage(this, QString::fromLocal8Bit(e.what()));
        return;
    }
    LoadScreens();
    ShowScreen(-1);
    Say("Deleted \"" + ui::FromLatin1(screen.name) + "\"; \"Save\" keeps it again.", false);
}

} // namespace brevant
