// Brevant Dira — the list of recorded split and dividend actions.
#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace brevant {

class TStoreHost;

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(TStoreHost& host, QWidget* parent = nullptr);

    // Refills the grid from the database; runs on every showing.
    void FormShow();
    void Button2Click(); // "Close"

    QTableWidget* JvStringGrid1 = nullptr;
    QPushButton* Button1 = nullptr; // "Undo Split/Dividend Adjustment", never enabled
    QPushButton* Button2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FitColumns();

    TStoreHost& host_;
};

} // namespace brevant
