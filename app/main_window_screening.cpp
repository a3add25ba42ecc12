// Brevant Dira — the main window's part in screening: the chart and lists
// during a run, and saving the result list.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTabWidget>

#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/stock_list_box.h"
#include "screen/result_file.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/scan_progress_window.h"
#include "ui/latin1.h"
#include "ui/modal.h"
#include "ui/user_interface.h"

namespace brevant {

void TMainMenu::ScanNow1Click() {
    // Once: not while the dialog is up, nor while a run (or its "Complete")
    // holds the dialog hidden behind the progress window.
    const TAppWindows& w = *window_.windows_;
    if (w.Form2->isVisible() || w.Form5->isVisible()) return;
    ui::ShowModal(w.Form2);
}

QStringList TForm1::StockListItems() const {
    QStringList items;
    const TStockListBox* list = Lists.ListBox1;
    items.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

void TForm1::BeginScan() {
    // The chart empties for the run and stays so until a stock is picked:
    // the title names no stock either.
    setWindowTitle(kCaption);
    Bars.clear();
    Graph.ComboBox3->setCurrentIndex(kThreeMonths);
    for (int i = 0; i < Graph.WindowItems.size(); ++i)
        Graph.WindowItems[i]->setChecked(i == kThreeMonths);
    ChartPane->ShowHeaderLabels(false);
    PlotData();
    QApplication::processEvents();
    Lists.ListBox2->clear();
    Lists.PageControl1->setCurrentWidget(Lists.TabSheet2);
}

void TForm1::AddScanResult(const QString& listText) {
    Lists.ListBox2->addItem(listText);
}

void TForm1::EndScan() {
    ChartPane->ShowHeaderLabels(true);
}

void TMainMenu::SaveFilterResult1Click() {
    TForm1* window = &window_;
    const TStockListBox* results = window_.Lists.ListBox2;
    if (results->count() == 0) {
        ui::Ui().ShowMessage(window, kNoResultToSaveMessage);
        return;
    }
    const QString file = ui::Ui().SaveFileName(window, "Save result...", "*.txt (*.txt)", "txt");
    if (file.isEmpty()) return;
    std::vector<std::string> items;
    items.reserve(std::size_t(results->count()));
    for (int i = 0; i < results->count(); ++i)
        items.push_back(ui::ToLatin1(results->item(i)->text()));
    try {
        WriteScanResult(QFile::encodeName(file).toStdString(), items);
    } catch (const std::exception& e) {
        ui::Ui().ShowMessage(window, QString::fromLocal8Bit(e.what()));
        return;
    }
    ui::Ui().ShowMessage(window, kResultSavedMessage);
}

} // namespace brevant
