// Brevant Dira — the update window: choosing quote files and importing them.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace brevant {

class TStoreHost;
class TForm3;
struct ImportResult;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(TStoreHost& host, QWidget* parent = nullptr);

    // The progress window exists only after this one (creation order).
    void SetProgressWindow(TForm3* form3) { form3_ = form3; }

    void Button2Click(); // "Browse..."
    void Buttom1Click(); // "Update"
    void Button3Click(); // "Cancel"
    void Button5Click(); // "Help"
    void JvLabelMouseEnter(QLabel* label);
    void JvLabelMouseLeave(QLabel* label);
    void JvLabelClick(int index);

    // The files of the last Browse, in the dialog's order.
    const QStringList& ChosenFiles() const { return files_; }

    // --- What the first-time guide shows of this window, as laid out now ---
    // The " Update Database " group.
    QPixmap UpdateGroupPicture();
    // The group of exchanges, in its own coordinates.
    QRect ExchangeGroupRect();
    // Where the caption of `exchange` ("NASDAQ") lies in that group; empty
    // when no exchange has that caption.
    QRect ExchangeCaptionRect(const QString& exchange);
    // `part` of the group of exchanges.
    QPixmap ExchangeGroupPicture(const QRect& part);

    QLineEdit* Edit13 = nullptr;
    // After a failed import: what each file gave, then the error; hidden
    // again by the next import and when the window closes.
    QPlainTextEdit* Summary = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button5 = nullptr;
    std::vector<QLabel*> JvLabels; // JvLabel1 .. JvLabel38

    void done(int result) override;

private:
    void setupUpdateGroup();
    void setupExchangeGroup();
    void setupSummary();
    void ShowSummary(const ImportResult& result);
    void HideSummary();
    void ShowAgainAfterImport();
    void LayOut();

    TStoreHost& host_;
    TForm3* form3_ = nullptr;
    QWidget* updateGroup_ = nullptr;
    QWidget* exchangeGroup_ = nullptr;
    QStringList files_;
    int heightWithoutSummary_ = 0;
};

} // namespace brevant
