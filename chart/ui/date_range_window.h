// Brevant Dira — the "Date Range" dialog: the first and the last day the
// chart is to show.
#pragma once

#include <QDialog>

class QDateEdit;
class QPushButton;

namespace brevant {

// Collects two days; "OK" refuses a first day after the last one and says so.
// "Help" opens the page on the history windows.
class TDateRangeWindow : public QDialog {
    Q_OBJECT
public:
    // `helpFile`: the program's folder followed by "Brevhelp".
    explicit TDateRangeWindow(const QString& helpFile, QWidget* parent = nullptr);

    // Day numbers, as bars carry their dates.
    void SetRange(double from, double to);
    double From() const;
    double To() const;

    void Button1Click(); // "OK"
    void Button3Click(); // "Help"

    QDateEdit* DateEdit1 = nullptr; // "From:"
    QDateEdit* DateEdit2 = nullptr; // "To:"
    QPushButton* Button1 = nullptr; // "OK"
    QPushButton* Button2 = nullptr; // "Cancel"
    QPushButton* Button3 = nullptr; // "Help"

    static constexpr const char* kHelpTopic = "Chart_History";

private:
    QString helpFile_;
};

} // namespace brevant
