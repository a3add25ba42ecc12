// Brevant Dira — the main window's commands that open other windows.
#include <QAction>
#include <QFrame>
#include <QTabWidget>
#include <qcustomplot.h>

#include "app/about_window.h"
#include "app/app_windows.h"
#include "app/first_time_guide.h"
#include "app/main_window.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_previewer.h"
#include "chart/ui/indicator_setting_window.h"
#include "chart/ui/overlay_window.h"
#include "screen/ui/filter_window.h"
#include "store/ui/split_entry_window.h"
#include "store/ui/split_list_window.h"
#include "store/ui/update_window.h"
#include "ui/modal.h"

namespace brevant {

void TForm1::ShowModalOnce(QDialog* dialog) {
    if (dialog->isVisible()) {
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    ui::ShowModal(dialog);
}

void TForm1::UpdateData1Click() {
    if (!windows_->Form8->isVisible()) ui::ShowModal(windows_->Form8);
}

void TForm1::ManageStockSplitDivident1Click() {
    ui::ShowModal(windows_->Form9);
}

void TForm1::UndoStockSplitDividend1Click() {
    ui::ShowModal(windows_->Form10);
}

void TForm1::Print1Click() {
    // On paper the stock's name, last values and the indicator title are
    // drawn in the chart itself, since the window's labels are not printed.
    TChartPreviewer ChartPreviewer1(
        [this](QCustomPlot& sheet) {
            auto* renderer = new ChartRenderer(sheet, RenderOptions{true}); // the sheet owns it
            renderer->Render(model_, Bars, ChartSelection().Any(), LocaleSettings_);
        },
        Chart1->size(), this);
    ChartPreviewer1.setWindowTitle("Print Preview");
    ui::ShowModal(&ChartPreviewer1);
}

void TForm1::SetIndicatorValue1Click() {
    ui::ShowModal(windows_->Form12);
}

void TForm1::OverlayIndicator1Click() {
    ui::ShowModal(windows_->Form13);
}

void TForm1::SpeedButton7Click() {
    OverlayIndicator1Click();
}

void TForm1::ViewDetailData1Click() {
    QRect pages = PageControl1->geometry();
    if (ViewDetailData1->isChecked()) {
        Panel3->hide();
        pages.adjust(0, -172, 0, 0);
        PageControl1->setGeometry(pages);
        ViewDetailData1->setChecked(false);
    } else {
        pages.adjust(0, 172, 0, 0);
        PageControl1->setGeometry(pages);
        Panel3->show();
        ViewDetailData1->setChecked(true);
    }
}

void TForm1::About1Click() {
    ui::ShowModal(windows_->Form6);
}

void TForm1::FirstTimeInstallation1Click() {
    ShowModalOnce(windows_->Form11);
}

void TForm1::HelpFile1Click() {
    HelpRouter1.ShowTableOfContents();
}

void TForm1::SpeedButton4Click() {
    HelpFile1Click();
}

} // namespace brevant
