// Brevant Dira — help requests, sample-data pages, the about box and the guide.
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include "app/about_window.h"
#include "app/first_time_guide.h"
#include "app/help_window.h"
#include "app_fixture.h"
#include "screen/ui/filter_window.h"
#include "store/ui/update_window.h"

using brevant::testing::AppRun;
using brevant::testing::Quotes;

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void HelpRequestsOpenPagesBesideTheProgram();
    void MissingHelpFolderMakesRequestsDoNothing();
    void ExchangeCaptionsOpenTheirPages();
    void GuideOpensOnceAndAboutCloses();
    void GuideRingsTheUpdateButtonAndNasdaq();
    void HelpFromAModalDialogTakesInput_data();
    void HelpFromAModalDialogTakesInput();
};

void HelpTest::HelpRequestsOpenPagesBesideTheProgram() {
    AppRun run;
    run.InstallHelp();
    run.Prefill({run.Write("q.txt", Quotes("ACM", "Acme Corp", 2))});
    // Whatever the current folder, the pages are found beside the program.
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    run.Start();
    const QString help = QString::fromStdString(run.Folder()) + "Brevhelp/";
    run.Main().Menu.HelpFile1Click();
    run.Main().Menu.SpeedButton4Click();
    run.w().Form8->Button5Click();
    QDir::setCurrent(before);
    QCOMPARE(run.Ui.HelpPages,
             QStringList({help + "index.htm", help + "index.htm", help + "Update_Database.htm"}));
    // Every page the program asks for is part of the help.
    for (const QString& page : run.Ui.HelpPages) QVERIFY2(QFile::exists(page), qPrintable(page));
    QVERIFY(run.Ui.Messages.isEmpty());
}

void HelpTest::MissingHelpFolderMakesRequestsDoNothing() {
    AppRun run;
    run.Prefill({run.Write("q.txt", Quotes("ACM", "Acme Corp", 2))});
    run.Start();
    run.Main().Menu.HelpFile1Click();
    run.w().Form8->Button5Click();
    QVERIFY(run.Ui.HelpPages.isEmpty());
    QVERIFY(run.Ui.Messages.isEmpty());
}

void HelpTest::ExchangeCaptionsOpenTheirPages() {
    AppRun run;
    run.Prefill({run.Write("q.txt", Quotes("ACM", "Acme Corp", 2))});
    run.Start();
    brevant::TForm8& update = *run.w().Form8;
    QCOMPARE(int(update.JvLabels.size()), 38);
    QCOMPARE(update.JvLabels[18]->text(), QString("NASDAQ"));
    update.JvLabelClick(18);
    update.JvLabelClick(37);
    QCOMPARE(run.Ui.Urls,
             QList<QUrl>({QUrl("https://www.brevant-dira.example/StockExchange/Nasdaq.html"),
                          QUrl("https://www.brevant-dira.example/StockExchange/VTX.html")}));
    // Hovering turns a caption blue and underlined, leaving turns it back.
    QLabel* label = update.JvLabels[0];
    update.JvLabelMouseEnter(label);
    QVERIFY(label->font().underline());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    update.JvLabelMouseLeave(label);
    QVERIFY(!label->font().underline());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

void HelpTest::GuideOpensOnceAndAboutCloses() {
    AppRun run;
    run.Prefill({run.Write("q.txt", Quotes("ACM", "Acme Corp", 2))});
    run.Start();
    run.StopGuideWatch();
    brevant::TForm11& guide = *run.w().Form11;
    // Opened from the menu while already open: brought to the front, not opened again.
    int nested = 0;
    QTimer::singleShot(50, [&] {
        run.Main().Menu.FirstTimeInstallation1Click();
        nested = guide.isVisible() ? 1 : 0;
        guide.Button1Click();
    });
    run.Main().Menu.FirstTimeInstallation1Click();
    QCOMPARE(nested, 1);
    QVERIFY(!guide.isVisible());

    QTimer::singleShot(50, [&] {
        QVERIFY(run.w().Form6->isVisible());
        run.w().Form6->Button1->click();
    });
    run.Main().Menu.About1Click();
    QVERIFY(!run.w().Form6->isVisible());
}

// The guide finds what it rings by name; a renamed hint or caption would
// leave its ring beside the target.
void HelpTest::GuideRingsTheUpdateButtonAndNasdaq() {
    AppRun run;
    run.Prefill({run.Write("q.txt", Quotes("ACM", "Acme Corp", 2))});
    run.Start();
    brevant::TForm1& main = run.Main();
    const QPixmap bar = main.Tools.ToolButtonsPicture();
    const QRect button = main.Tools.ToolButtonRect("Update Database");
    QVERIFY(QRect(QPoint(0, 0), bar.deviceIndependentSize().toSize()).contains(button));
    QCOMPARE(main.Tools.ToolBar1->childAt(button.center()), main.Tools.SpeedButton2);
    QVERIFY(main.Tools.ToolButtonRect("No such button").isNull());

    brevant::TForm8& update = *run.w().Form8;
    const QRect nasdaq = update.ExchangeCaptionRect("NASDAQ");
    QVERIFY(update.ExchangeGroupRect().contains(nasdaq));
    QLabel* label = update.JvLabels.at(18);
    QCOMPARE(label->text(), QString("NASDAQ"));
    QCOMPARE(label->parentWidget()->childAt(nasdaq.center()), label);
    QVERIFY(update.ExchangeCaptionRect("No such exchange").isNull());
}

void HelpTest::HelpFromAModalDialogTakesInput_data() {
    QTest::addColumn<bool>("filter"); // the filter dialog, or the update window
    QTest::addColumn<int>("button");  // the filter dialog's "?" button; 0: "Help"
    QTest::addColumn<QString>("page");
    QTest::newRow("Help in the filter dialog") << true << 0 << "Filter_Database2.htm";
    QTest::newRow("? beside the RSI filter") << true << 3 << "RSI_Filter.htm";
    QTest::newRow("Help in the update window") << false << 0 << "Update_Database.htm";
}

// Help asked for from a modal dialog comes up in front and takes the mouse
// and the keyboard while the dialog stays open.
void HelpTest::HelpFromAModalDialogTakesInput() {
    QFETCH(bool, filter);
    QFETCH(int, button);
    QFETCH(QString, page);
    AppRun run;
    run.InstallHelp();
    run.Prefill({run.Write("q.txt", Quotes("ACM", "Acme Corp", 2))});
    run.Start();
    brevant::THelpWindow& help = *run.w().HelpWindow;
    run.Ui.OnHelpPage = [&](const QString& file) { help.ShowPage(file); };
    QDialog* dialog = filter ? static_cast<QDialog*>(run.w().Form2) : run.w().Form8;
    QAbstractButton* ask = !filter ? run.w().Form8->Button5
                           : button
                               ? static_cast<QAbstractButton*>(run.w().Form2->SpeedButton(button))
                               : run.w().Form2->Button5;
    QVERIFY(ask);
    QToolButton* contents = nullptr;
    for (QToolButton* b : help.findChildren<QToolButton*>())
        if (b->text() == "Contents") contents = b;
    QVERIFY(contents);

    QUrl shown, afterClick, afterKey;
    bool dialogOpen = false, helpVisible = false;
    QTimer::singleShot(0, [&] {
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        QTest::mouseClick(ask, Qt::LeftButton);
        helpVisible = help.isVisible();
        shown = help.Browser->source();
        // Through the window system, where a modal dialog blocks other windows.
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {},
                          contents->mapTo(&help, contents->rect().center()));
        afterClick = help.Browser->source();
        help.Browser->setFocus();
        QTest::keyClick(help.windowHandle(), Qt::Key_Left, Qt::AltModifier);
        afterKey = help.Browser->source();
        dialogOpen = dialog->isVisible();
        dialog->reject();
    });
    if (filter)
        run.Main().Menu.ScanNow1Click();
    else
        run.Main().Menu.UpdateData1Click();

    QVERIFY(helpVisible);
    QCOMPARE(shown.fileName(), page);
    QCOMPARE(afterClick.fileName(), QString("index.htm"));
    QCOMPARE(afterKey.fileName(), page); // Alt+Left: back
    QVERIFY(dialogOpen);
    help.close();
}

BREVANT_QTEST_MAIN(HelpTest)
#include "help_test.moc"
