// Brevant Dira — the main window's commands that open other windows.
#include <QAction>
#include <QFrame>
#include <QTabWidget>

#include "app/about_window.h"
#include "app/app_windows.h"
#include "app/first_time_guide.h"
#include "app/main_window.h"
#include "chart/ui/indicator_setting_window.h"
#include "chart/ui/overlay_window.h"
#include "screen/ui/filter_window.h"
#include "store/price_history.h"
#include "store/quote_changes.h"
#include "store/ui/split_entry_window.h"
#include "store/ui/split_list_window.h"
#include "store/ui/update_window.h"
#include "store/work_error.h"
#include "ui/modal.h"
#include "ui/user_interface.h"

namespace brevant {

void TMainMenu::UpdateData1Click() {
    if (!window_.windows_->Form8->isVisible()) ui::ShowModal(window_.windows_->Form8);
}

void TMainMenu::ManageStockSplitDivident1Click() {
    ui::ShowModal(window_.windows_->Form9);
}

void TMainMenu::UndoStockSplitDividend1Click() {
    ui::ShowModal(window_.windows_->Form10);
}

void TMainMenu::DeleteStock1Click() {
    const std::optional<std::string> entry = window_.Lists.Selection().VisibleListEntry();
    if (!entry) {
        ui::Ui().ShowMessage(&window_, "Select the stock to delete in the list first.");
        return;
    }
    const QString text = QString::fromLatin1(entry->c_str());
    if (!ui::Ui().Confirm(&window_, "Delete every quote, dividend and split of " + text +
                                        " from the database? This cannot be undone."))
        return;
    try {
        DeleteStock(window_.store_, HistoryKey(*entry), DateRange{});
    } catch (const std::exception& e) {
        ui::Ui().ShowMessage(&window_, QString::fromLocal8Bit(WorkErrorText(e).c_str()));
        return;
    }
    // The list, the cache and the chart follow as after an import.
    window_.ImportFinished();
}

void TMainMenu::Print1Click() {
    window_.ChartPane->PrintPreview(window_.Lists.Selection().Any());
}

void TMainMenu::SetIndicatorValue1Click() {
    ui::ShowModal(window_.windows_->Form12);
}

void TMainMenu::OverlayIndicator1Click() {
    ui::ShowModal(window_.windows_->Form13);
}

void TMainMenu::SpeedButton7Click() {
    OverlayIndicator1Click();
}

void TMainMenu::ViewDetailData1Click() {
    QFrame* Panel3 = window_.ChartPane->Panel3;
    QTabWidget* PageControl1 = window_.Lists.PageControl1;
    QRect pages = PageControl1->geometry();
    if (ViewDetailData1->isChecked()) {
        Panel3->hide();
        pages.adjust(0, -Panel3->height(), 0, 0);
        PageControl1->setGeometry(pages);
        ViewDetailData1->setChecked(false);
    } else {
        pages.adjust(0, Panel3->height(), 0, 0);
        PageControl1->setGeometry(pages);
        Panel3->show();
        ViewDetailData1->setChecked(true);
    }
}

void TMainMenu::About1Click() {
    ui::ShowModal(window_.windows_->Form6);
}

void TMainMenu::FirstTimeInstallation1Click() {
    ui::ShowModalOnce(window_.windows_->Form11);
}

void TMainMenu::HelpFile1Click() {
    HelpRouter1.ShowTableOfContents();
}

void TMainMenu::SpeedButton4Click() {
    HelpFile1Click();
}

} // namespace brevant
