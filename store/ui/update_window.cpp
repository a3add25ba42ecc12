// Brevant Dira — the update window: choosing quote files and importing them.
#include "store/ui/update_window.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "store/quote_import.h"
#include "store/ui/exchange_label.h"
#include "store/ui/exchange_pages.h"
#include "store/ui/progress_window.h"
#include "store/ui/store_host.h"
#include "ui/help_router.h"
#include "ui/product.h"
#include "ui/user_interface.h"

namespace brevant {
namespace {

// The dialog opens on the first filter: every layout the import reads, so
// that a CSV download is not hidden from a user who never opens the list.
constexpr const char* kQuoteFileFilters =
    "Quote files (*.txt *.csv *.prn);;Text Only (*.txt);;All files (*)";
// Room for five lines of what the files of a failed import gave.
constexpr int kSummaryHeight = 96;

// The little picture above each exchange caption: three candles.
QPixmap ExchangePicture() {
    QPixmap pixmap(22, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0, 58, 117));
    const int tops[] = {6, 2, 5};
    const int bodies[] = {5, 7, 4};
    const QColor fills[] = {QColor(214, 57, 57), QColor(255, 255, 255), QColor(76, 153, 76)};
    for (int i = 0; i < 3; ++i) {
        const int x = 3 + i * 7;
        p.drawLine(x + 2, tops[i] - 2, x + 2, tops[i] + bodies[i] + 2);
        p.fillRect(x, tops[i], 5, bodies[i], fills[i]);
        p.drawRect(x, tops[i], 4, bodies[i]);
    }
    return pixmap;
}

void SetHover(QLabel* label, bool hover) {
    QFont font = label->font();
    font.setUnderline(hover);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, hover ? QColor(0, 0, 255) : QColor(0, 0, 0));
    label->setPalette(palette);
}

// A group laid out as shown, then grabbed.
QPixmap Picture(QWidget* group, const QRect& part) {
    group->ensurePolished();
    group->layout()->activate();
    return group->grab(part);
}

} // namespace

TForm8::TForm8(TStoreHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle("Update Database");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(400, 591);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    setupUpdateGroup();
    setupExchangeGroup();
    setupSummary();
}

void TForm8::setupSummary() {
    Summary = new QPlainTextEdit(this);
    Summary->setReadOnly(true);
    Summary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Summary->setFixedHeight(kSummaryHeight);
    Summary->setVisible(false);
    // Under the files it speaks of.
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, Summary);
    heightWithoutSummary_ = height();
}

// The window grows by the box, so that the groups keep their size.
void TForm8::ShowSummary(const ImportResult& result) {
    QStringList lines;
    for (const FileCounts& counts : result.Files)
        lines << QString::fromLocal8Bit(FileSummary(counts).c_str());
    lines << QString::fromLocal8Bit(result.Message.c_str());
    Summary->setPlainText(lines.join('\n'));
    Summary->setVisible(true);
    setFixedHeight(heightWithoutSummary_ + kSummaryHeight + layout()->spacing());
}

void TForm8::HideSummary() {
    if (Summary->isHidden()) return;
    Summary->setVisible(false);
    Summary->clear();
    setFixedHeight(heightWithoutSummary_);
}

void TForm8::done(int result) {
    HideSummary();
    QDialog::done(result);
}

void TForm8::setupUpdateGroup() {
    auto* group = new QGroupBox(" Update Database ", this);
    updateGroup_ = group;
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel("Select file to update", group), 0, 0, 1, 4);
    // It only shows the files of the last "Browse...": typing there would
    // import something else than what is shown.
    Edit13 = new QLineEdit(group);
    Edit13->setReadOnly(true);
    grid->addWidget(Edit13, 1, 0, 1, 3);
    Button2 = new QPushButton("Browse...", group);
    grid->addWidget(Button2, 1, 3);
    auto* note = new QLabel(
        "To select more than one file, hold down the CTRL (or SHIFT) key and select.", group);
    note->setWordWrap(true);
    grid->addWidget(note, 2, 0, 1, 4);
    Button1 = new QPushButton("Update", group);
    Button3 = new QPushButton("Cancel", group);
    Button5 = new QPushButton("Help", group);
    grid->addWidget(Button1, 3, 1);
    grid->addWidget(Button3, 3, 2);
    grid->addWidget(Button5, 3, 3);
    grid->setColumnStretch(0, 1);
    layout()->addWidget(group);

    connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Buttom1Click);
    connect(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TForm8::Button5Click);
}

void TForm8::setupExchangeGroup() {
    // The caption is longer than the window is wide: it stands inside the
    // group, wrapped, instead of in the group's frame.
    auto* group = new QGroupBox(this);
    exchangeGroup_ = group;
    auto* column = new QVBoxLayout(group);
    auto* caption = new QLabel(
        " First Time Users (Click on the Stock Exchange name to download sample data) ", group);
    caption->setWordWrap(true);
    column->addWidget(caption);
    auto* grid = new QGridLayout;
    column->addLayout(grid, 1);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(4);
    QFont small = font();
    small.setPointSize(8);
    const QPixmap picture = ExchangePicture();
    for (int i = 0; i < static_cast<int>(kExchangePages.size()); ++i) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(1);
        auto* image = new QLabel(group);
        image->setPixmap(picture);
        image->setAlignment(Qt::AlignHCenter);
        auto* label = new TExchangeLabel(kExchangePages[i].Caption, group);
        label->setObjectName(QString("JvLabel%1").arg(i + 1));
        label->setAlignment(Qt::AlignHCenter);
        label->setCursor(Qt::PointingHandCursor);
        label->setFont(small);
        SetHover(label, false);
        cell->addWidget(image);
        cell->addWidget(label);
        grid->addLayout(cell, i / 5, i % 5);
        JvLabels.push_back(label);
        connect(label, &TExchangeLabel::mouseEntered, this,
                [this, label] { JvLabelMouseEnter(label); });
        connect(label, &TExchangeLabel::mouseLeft, this,
                [this, label] { JvLabelMouseLeave(label); });
        connect(label, &TExchangeLabel::clicked, this, [this, i] { JvLabelClick(i); });
    }
    static_cast<QVBoxLayout*>(layout())->addWidget(group, 1);
}

void TForm8::Button2Click() {
    const QStringList chosen =
        ui::Ui().OpenFileNames(this, "Select file to update", kQuoteFileFilters);
    if (chosen.isEmpty() || !QFileInfo::exists(chosen.constFirst())) return;
    files_ = chosen;
    Edit13->setText(chosen.join(QString()));
    Edit13->setToolTip(chosen.join('\n'));
}

void TForm8::Buttom1Click() {
    if (Edit13->text().isEmpty()) return;
    HideSummary();
    host_.StopRequest() = false;
    hide();
    form3_->BeginImport();
    QApplication::processEvents();

    // The import reports on a clock (see ImportCallbacks): the window keeps
    // up with it however fast the lines go.
    ImportCallbacks callbacks;
    callbacks.fileNumber = [this](int n) { form3_->ShowFileNumber(n); };
    callbacks.fileLayout = [this](const std::string& layout) { form3_->ShowFileLayout(layout); };
    callbacks.progress = [this](const ImportProgress& p) { form3_->ShowProgress(p); };
    callbacks.processMessages = [] { QApplication::processEvents(); };
    callbacks.stopRequested = [this] { return host_.StopRequest(); };
    callbacks.finishingFile = [this] { form3_->ShowFinishingFile(); };
    callbacks.organizing = [this] {
        form3_->ShowOrganizing();
        QApplication::processEvents();
    };

    std::vector<std::string> paths;
    for (const QString& file : files_) paths.push_back(QFile::encodeName(file).toStdString());
    const ImportResult result =
        TQuoteImport(host_.Store(), host_.DecimalSeparator(), callbacks).Run(paths);

    if (result.Outcome != ImportOutcome::Completed) {
        ui::Ui().ShowMessage(form3_, QString::fromLocal8Bit(result.Message.c_str()));
        // The files before the failure are stored: the stock list shows them.
        try {
            host_.ImportFinished();
        } catch (const std::exception&) {
            // The import's own error is the one reported.
        }
        ShowSummary(result);
        ShowAgainAfterImport();
        return;
    }
    try {
        host_.ImportFinished();
    } catch (const std::exception& e) {
        // The progress window has no close box: whatever the reload met, its
        // button must still lead back to the update window.
        ui::Ui().ShowMessage(form3_, QString::fromLocal8Bit(e.what()));
    }
    form3_->EndImport(result.Files);
}

void TForm8::ShowAgainAfterImport() {
    show();
    form3_->hide();
}

void TForm8::LayOut() {
    ensurePolished();
    layout()->activate();
}

QPixmap TForm8::UpdateGroupPicture() {
    LayOut();
    return Picture(updateGroup_, updateGroup_->rect());
}

QRect TForm8::ExchangeGroupRect() {
    LayOut();
    return exchangeGroup_->rect();
}

QRect TForm8::ExchangeCaptionRect(const QString& exchange) {
    LayOut();
    for (const QLabel* label : JvLabels)
        if (label->text() == exchange)
            return QRect(label->mapTo(exchangeGroup_, QPoint(0, 0)), label->size());
    return {};
}

QPixmap TForm8::ExchangeGroupPicture(const QRect& part) {
    LayOut();
    return Picture(exchangeGroup_, part);
}

void TForm8::Button3Click() {
    reject();
}

void TForm8::Button5Click() {
    ui::HelpJump(host_.ProgramDir() + ui::kHelpFileName, "Update_Database");
}

void TForm8::JvLabelMouseEnter(QLabel* label) {
    SetHover(label, true);
}

void TForm8::JvLabelMouseLeave(QLabel* label) {
    SetHover(label, false);
}

void TForm8::JvLabelClick(int index) {
    ui::Ui().OpenUrl(QUrl(QString(ui::kProductScheme) + ui::kProductHost +
                          kExchangePages[static_cast<std::size_t>(index)].Path));
}

} // namespace brevant
