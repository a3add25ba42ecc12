// Brevant Dira — the stock lists: loading, selecting and searching stocks.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

#include "app/app_windows.h"
#include "app/chart_drawings.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/stock_list_box.h"
#include "store/price_history.h"
#include "ui/latin1.h"

namespace brevant {
namespace {

std::optional<std::string> SelectedText(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    if (items.isEmpty()) return std::nullopt;
    return ui::ToLatin1(items.front()->text());
}

// The list says "Adding" for each of thousands of stocks: every text is
// written, but fitted and painted, with the other pending messages, at most
// once a frame. Painting each took longer than reading the list.
class FramePace {
public:
    bool Due() {
        if (last_.isValid() && last_.elapsed() < kFrameMilliseconds) return false;
        last_.start();
        return true;
    }

private:
    static constexpr qint64 kFrameMilliseconds = 16;
    QElapsedTimer last_;
};

} // namespace

void TForm1::LoadStockList() {
    TForm4* splash = windows_ ? windows_->Form4 : nullptr;
    auto pace = std::make_shared<FramePace>();
    ProgressCallbacks progress{[splash](const std::string& text) {
                                   if (splash) splash->WriteStatus(text);
                               },
                               [splash, pace] {
                                   if (!pace->Due()) return;
                                   if (splash) splash->PaintStatus();
                                   QApplication::processEvents();
                               }};
    Lists.ListBox1->clear();
    Lists.ListBox2->clear();
    stockListFilled_ = false;
    brevant::LoadStockList(store_, Stocks, Params, progress, [this](const std::string& first) {
        FillStockList();
        Lists.ListBox1->setCurrentRow(0);
        LoadDataForName(ui::FromLatin1(first), true);
        setWindowTitle(kCaption + ui::FromLatin1(first));
        CheckIndicator();
    });
    FillStockList();
    if (splash) splash->PaintStatus(); // the last text, whenever it came
}

void TForm1::FillStockList() {
    if (stockListFilled_) return;
    stockListFilled_ = true;
    QStringList items;
    items.reserve(qsizetype(Stocks.Items.size()));
    for (const std::string& item : Stocks.Items) items << ui::FromLatin1(item);
    Lists.ListBox1->addItems(items);
}

void TForm1::LoadDataForName(const QString& text, bool manageTransaction) {
    const std::string stock = ui::ToLatin1(text);
    // Another stock starts from the chosen window; the same stock loaded
    // again (a view chosen in a combo box) keeps its zoom. Its whole history
    // is read again either way, as the newest days are.
    if (HistoryKey(stock) != HistoryKey(shownStock_)) {
        ChartPane->NewStock();
        Analysis.Drawings->ShowStock(HistoryKey(stock));
    }
    shownStock_ = stock;
    wholeHistory_.reset();
    // A caller's own transaction was never checked against the cache.
    brevant::LoadDataForName(store_, stock, manageTransaction, Bars,
                             manageTransaction ? &barCache_ : nullptr);
}

void TForm1::ImportFinished() {
    // The import changed the rows; the cache would notice, but its memory
    // is better given back now.
    barCache_.Drop();
    wholeHistory_.reset();
    ChartPane->NewStock();
    Lists.PageControl1->setCurrentWidget(Lists.TabSheet1);
    LoadStockList();
}

TStockListBox* TStockLists::VisibleList() const {
    return PageControl1->currentWidget() == TabSheet1 ? ListBox1 : ListBox2;
}

StockSelection TStockLists::Selection() const {
    StockSelection selection;
    selection.allStockTabVisible = PageControl1->currentWidget() == TabSheet1;
    selection.allStock = SelectedText(ListBox1);
    selection.filterResult = SelectedText(ListBox2);
    return selection;
}

void TStockLists::ShowStock(const QString& text) {
    window_.LoadDataForName(text, true);
    window_.setWindowTitle(TForm1::kCaption + text);
}

void TStockLists::ListBox1DblClick() {
    const TStockListBox* list = VisibleList();
    const QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected()) return;
    const QString text = item->text();
    ShowStock(text);
    window_.ChartPane->Label(22)->setText(text);
    window_.CheckIndicator();
}

QString UpcaseS(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c >= QChar('a') && c <= QChar('z')) c = QChar(c.unicode() - 'a' + 'A');
    return result;
}

void TStockLists::Button2Click() {
    if (Edit3->text().isEmpty()) return;
    TStockListBox* list = nullptr;
    if (PageControl1->currentWidget() == TabSheet1 && ListBox1->count() > 0)
        list = ListBox1;
    else if (ListBox2->count() > 0)
        list = ListBox2;
    if (!list) return;

    for (int i = 0; i < list->count(); ++i) {
        // Read again for every item: typing during a long search narrows the rest of it.
        const QString wanted = UpcaseS(Edit3->text());
        const QString text = list->item(i)->text();
        if (UpcaseS(text).startsWith(wanted)) {
            list->setCurrentRow(i);
            ShowStock(text);
            window_.CheckIndicator();
            return;
        }
        QApplication::processEvents();
    }
}

void TStockLists::Edit3KeyUp(int key) {
    if (ListBox1->hasFocus() || ListBox2->hasFocus()) return;
    if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down)
        return;
    Button2Click();
}

} // namespace brevant
