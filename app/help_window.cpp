// Brevant Dira — the help viewer: the pages of the help folder in a window.
#include "app/help_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/tool_icons.h"
#include "ui/help_router.h"

namespace brevant {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), home_(parent) {
    setWindowTitle("Brevant Dira Help");
    setWindowIcon(ApplicationIcon());
    resize(760, 560);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* row = new QHBoxLayout;
    contents_ = new QToolButton(this);
    contents_->setText("Contents");
    back_ = new QToolButton(this);
    back_->setText("Back");
    forward_ = new QToolButton(this);
    forward_->setText("Forward");
    for (QToolButton* b : {contents_, back_, forward_}) row->addWidget(b);
    row->addStretch(1);
    column->addLayout(row);
    Browser = new QTextBrowser(this);
    // Links inside the help stay here; web addresses go to the browser.
    Browser->setOpenLinks(true);
    Browser->setOpenExternalLinks(true);
    column->addWidget(Browser, 1);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(contents_, &QToolButton::clicked, this, [this] {
        if (!contentsFile_.isEmpty()) Browser->setSource(QUrl::fromLocalFile(contentsFile_));
    });
}

void THelpWindow::ShowPage(const QString& pageFile) {
    const QFileInfo page(pageFile);
    contentsFile_ = page.dir().filePath(ui::kHelpContentsPage);
    if (page.exists()) {
        Browser->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    } else {
        Browser->setHtml(QString("<h3>Page not found</h3><p>The help has no page named "
                                 "<b>%1</b>.</p><p><a href=\"%2\">Contents</a></p>")
                             .arg(page.fileName().toHtmlEscaped(),
                                  QUrl::fromLocalFile(contentsFile_).toString()));
    }
    // A modal dialog blocks every window but its own: the help becomes one of
    // them. Asked for with no dialog open, it goes back to its first parent.
    QWidget* modal = QApplication::activeModalWidget();
    BelongTo(modal && modal != this ? modal : home_);
    show();
    raise();
    activateWindow();
}

void THelpWindow::BelongTo(QWidget* owner) {
    if (parentWidget() == owner) return;
    const bool placed = isVisible();
    const QRect place = geometry();
    setParent(owner, windowFlags()); // hides the window
    if (placed) setGeometry(place);
}

} // namespace brevant
