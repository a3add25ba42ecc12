// Brevant Dira — the filter dialog: choosing the filters and starting a run.
#include "screen/ui/filter_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "screen/ui/custom_filter_page.h"
#include "screen/ui/filter_catalogue.h"
#include "screen/ui/formula_page.h"
#include "screen/ui/scan_host.h"
#include "ui/help_router.h"

namespace brevant {
namespace {

QTabWidget* NewPages(QWidget* parent) {
    auto* pages = new QTabWidget(parent);
    pages->setUsesScrollButtons(true);
    pages->setElideMode(Qt::ElideNone);
    return pages;
}

} // namespace

TForm2::TForm2(TScanHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle("Filter Database");
    // A dialog border: closable, neither minimized nor maximized.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(546, 421);
    // Four filters with their sentences share the first page with the
    // sub-page tabs; a compact font keeps every line whole.
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(4);

    PageControl2 = NewPages(this);
    auto page = [this](const QString& title, QTabWidget*& sub) {
        auto* sheet = new QWidget(PageControl2);
        auto* box = new QVBoxLayout(sheet);
        box->setContentsMargins(2, 2, 2, 0);
        sub = NewPages(sheet);
        box->addWidget(sub);
        PageControl2->addTab(sheet, title);
    };
    page("Technical Analysis 1", PageControl1);
    page("Technical Analysis 2", PageControl4);
    page("Pattern Analysis", PageControl3);
    PageControl2->addTab(NewCustomFilterPage(PageControl2), "Custom Filter");
    FormulaPage = new TFormulaPage(host_, PageControl2);
    PageControl2->addTab(FormulaPage, "Formula");
    connect(FormulaPage, &TFormulaPage::runScreensRequested, this, &TForm2::RunTickedScreens);

    PageControl1->addTab(setupBasicPage(), "Basic");
    setupCatalogue(PageControl1, Technical1Catalogue());
    setupCatalogue(PageControl4, Technical2Catalogue());
    setupCatalogue(PageControl3, PatternCatalogue());
    PageControl2->setCurrentIndex(0);
    PageControl1->setCurrentIndex(0);
    layout->addWidget(PageControl2, 1);

    auto* buttons = new QHBoxLayout;
    setupButtons(buttons);
    layout->addLayout(buttons);
}

void TForm2::setupButtons(QBoxLayout* layout) {
    auto button = [this, layout](const char* caption, void (TForm2::*handler)()) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    Button1 = button("Scan Now!", &TForm2::Button1Click);
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);
    Button4 = button("Check All", &TForm2::Button4Click);
    Button3 = button("UnCheck All", &TForm2::Button3Click);
    layout->addStretch(1);
    Button5 = button("Help", &TForm2::Button5Click);
    Button2 = button("Close", &TForm2::Button2Click);
}

void TForm2::showEvent(QShowEvent* event) {
    SetIndicatorValue();
    FormulaPage->LoadScreens();
    QDialog::showEvent(event);
}

void TForm2::SetIndicatorValue() {
    const TIndicatorParams& p = host_.IndicatorParams();
    const auto n = [](int v) { return QString::number(v); };
    const QString macd = n(p.MACD1) + "," + n(p.MACD2) + "," + n(p.MACD3) + ") ";
    Basic.MacdGroup->setTitle(" MACD Buy Signal Filter (" + macd);
    Basic.RsiGroup->setTitle(" RSI Filter (" + n(p.RSI) + ") ");
    const std::pair<const char*, QString> captions[] = {
        {"William %R", " Williams % R Filter (" + n(p.WR) + ") "},
        {"MFI", " Money Flow Index (MFI) Filter (" + n(p.MFI) + ") "},
        {"MACD 1", " MACD Filter Part 1 (" + macd},
        {"MACD 2", " MACD Filter Part 2 (" + macd},
        {"RSI", " Relative Strength Index (RSI) Filter (" + n(p.RSI) + ") "},
        {"CCI", " Commodity Channel Index (CCI) Filter (" + n(p.CCI) + ") "},
        {"ADX 1", " Wilders ADX Filter 1 (" + n(p.ADX) + ") "},
        {"ADX 2", " Wilders ADX Filter 2 (" + n(p.ADX) + ") "},
        {"ADX 3", " Wilders ADX Filter 3 (" + n(p.ADX) + ") "},
        {"Fast Stoc", " Fast Stochastic Filter (" + n(p.FSTOC1) + "," + n(p.FSTOC2) + ") "},
        {"Slow Stoc", " Slow Stochastic Filter (" + n(p.SSTOC1) + "," + n(p.SSTOC2) + ") "},
    };
    for (const auto& [page, caption] : captions) groups_.value(page)->setTitle(caption);
}

bool TForm2::FilterSelected() const {
    for (const QCheckBox* box :
         {Basic.CheckBox1, Basic.CheckBox2, Basic.CheckBox3, Basic.CheckBox4})
        if (box->isChecked()) return false;
    return true;
}

void TForm2::ClearAllFilter() {
    for (QCheckBox* box : {Basic.CheckBox1, Basic.CheckBox2, Basic.CheckBox3, Basic.CheckBox4})
        box->setChecked(false);
}

void TForm2::SelectAllFilter() {
    for (QCheckBox* box : {Basic.CheckBox1, Basic.CheckBox2, Basic.CheckBox3, Basic.CheckBox4})
        box->setChecked(true);
}

void TForm2::Button1Click() {
    RunScan();
}

void TForm2::Button2Click() {
    reject();
}

void TForm2::Button3Click() {
    ClearAllFilter();
}

void TForm2::Button4Click() {
    SelectAllFilter();
}

void TForm2::Button5Click() {
    HelpJump("Filter_Database2");
}

void TForm2::HelpJump(const QString& topic) const {
    ui::HelpJump(host_.ProgramDir() + ui::kHelpFileName, topic);
}

QToolButton* TForm2::NewHelpButton(int number, const char* topic, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString("SpeedButton%1").arg(number));
    button->setText("?");
    button->setToolTip("Help");
    button->setFixedSize(22, 22);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    if (topic) {
        const QString t = topic;
        connect(button, &QToolButton::clicked, this, [this, t] { HelpJump(t); });
    }
    speedButtons_.insert(number, button);
    return button;
}

} // namespace brevant
