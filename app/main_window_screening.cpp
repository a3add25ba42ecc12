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

void TForm1::ScanNow1Click() {
    // Once: not while the dialog is up, nor while a run (or its "Complete")
    // holds the dialog hidden behind the progress window.
    if (windows_->Form2->isVisible() || windows_->Form5->isVisible()) return;
    ui::ShowModal(windows_->Form2);
}

QStringList TForm1::StockListItems() const {
    QStringList items;
    items.reserve(ListBox1->count());
    for (int i = 0; i < ListBox1->count(); ++i) items << ListBox1->item(i)->text();
    return items;
}

void TForm1::BeginScan() {
    // The chart empties for the run and stays so until a stock is picked:
    // the title names no stock either.
    setWindowTitle(kCaption);
    Bars.clear();
    ComboBox3->setCurrentIndex(kThreeMonths);
    for (int i = 0; i < WindowItems.size(); ++i) WindowItems[i]->setChecked(i == kThreeMonths);
    ShowHeaderLabels(false);
    PlotData();
    QApplication::processEvents();
    ListBox2->clear();
    PageControl1->setCurrentWidget(TabSheet2);
}

void TForm1::AddScanResult(const QString& listText) {
    ListBox2->addItem(listText);
}

void TForm1::EndScan() {
    ShowHeaderLabels(true);
}

// The stock name and the six caption/value pairs above the chart.
void TForm1::ShowHeaderLabels(bool visible) {
    for (int number = 22; number <= 34; ++number) Label(number)->setVisible(visible);
}

void TForm1::SaveFilterResult1Click() {
    if (ListBox2->count() == 0) {
        ui::Ui().ShowMessage(this, kNoResultToSaveMessage);
        return;
    }
    const QString file = ui::Ui().SaveFileName(this, "Save result...", "*.txt (*.txt)", "txt");
    if (file.isEmpty()) return;
    std::vector<std::string> items;
    items.reserve(std::size_t(ListBox2->count()));
    for (int i = 0; i < ListBox2->count(); ++i)
        items.push_back(ui::ToLatin1(ListBox2->item(i)->text()));
    try {
        WriteScanResult(QFile::encodeName(file).toStdString(), items);
    } catch (const std::exception& e) {
        ui::Ui().ShowMessage(this, QString::fromLocal8Bit(e.what()));
        return;
    }
    ui::Ui().ShowMessage(this, kResultSavedMessage);
}

} // namespace brevant
