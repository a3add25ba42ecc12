// Brevant Dira — the stock lists left of the chart and the search box below
// them: choosing the stock the main window shows.
#pragma once

#include <QString>

#include "chart/chart_view.h"

class QLineEdit;
class QTabWidget;
class QToolButton;
class QWidget;

namespace brevant {

class TForm1;
class TStockListBox;

// Every letter "a" to "z" of `text` in capitals; other characters, accented
// letters among them, stay as they are.
QString UpcaseS(const QString& text);

// The two pages "All Stock" (ListBox1) and "Filter Result  " (ListBox2), and
// the search box with its button. Made by the main window, which it asks to
// load and show the stock the user picks.
class TStockLists {
public:
    explicit TStockLists(TForm1& window) : window_(window) {}

    // The list of the page in front.
    TStockListBox* VisibleList() const;
    // The selected entries of both lists, for the chart.
    StockSelection Selection() const;

    // A click or double click on either list, or a view combo box chosen:
    // loads the selected entry of the visible list and shows it.
    void ListBox1DblClick();
    // Selects and shows the first entry whose text starts with the search
    // box's text, ignoring the case of a to z.
    void Button2Click();
    // A key released in the search box: searches again, except for the
    // arrow keys and while a list has the focus.
    void Edit3KeyUp(int key);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // "All Stock"
    QWidget* TabSheet2 = nullptr; // "Filter Result  "
    TStockListBox* ListBox1 = nullptr;
    TStockListBox* ListBox2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QToolButton* Button2 = nullptr;

private:
    // Loads the stock and names it in the window's caption.
    void ShowStock(const QString& text);

    TForm1& window_;
};

} // namespace brevant
