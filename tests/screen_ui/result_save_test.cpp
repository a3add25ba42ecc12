// Brevant Dira — File > "Save Filter Result": the result list to a text file.
#include <QFile>
#include <QTabWidget>

#include "app/app_fixture.h"
#include "app/stock_list_box.h"
#include "screening_fixture.h"

using brevant::testing::AppRun;
using brevant::testing::Line;
using brevant::testing::QuoteLines;
using brevant::testing::ScriptedUi;

namespace {

// Also notes what each save dialog was asked to show.
class SaveDialogUi : public ScriptedUi {
public:
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& suffix) override {
        Dialogs << QStringList{title, filter, suffix};
        return ScriptedUi::SaveFileName(parent, title, filter, suffix);
    }
    QList<QStringList> Dialogs;
};

const char* kSaved = "Result saved successfully!";
const char* kNothing =
    "Run a stock scan and if there are results you will then be able to save it to a text file.";

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class ResultSaveTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void Save_data();
    void Save();
    void SavingTwiceKeepsOnlyTheSecond();

private:
    void SaveList(const QStringList& items, const QString& file) {
        run_->Main().Lists.ListBox2->clear();
        run_->Main().Lists.ListBox2->addItems(items);
        ui_->FileToSave = file;
        ui_->Messages.clear();
        ui_->Dialogs.clear();
        run_->Main().Menu.SaveFilterResult1Click();
    }
    QString Path(const char* name) const { return QString::fromStdString(run_->Folder()) + name; }
    std::unique_ptr<AppRun> run_;
    std::unique_ptr<SaveDialogUi> ui_;
};

void ResultSaveTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({run_->Write("q.txt", QuoteLines("AAA", "Alpha Rising", Line(10, 70, 60)))});
    run_->Start();
    ui_ = std::make_unique<SaveDialogUi>();
}

void ResultSaveTest::Save_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("file"); // relative to the run's folder; "" cancels
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QString>("message");    // "error": the system's reason
    QTest::addColumn<QByteArray>("written"); // empty: no file

    const QStringList three = {"Alpha Rising , AAA", "Beta Turning , BBB", "Gamma Rising , CCC"};
    QTest::newRow("empty list: the message only")
        << QStringList{} << "empty.txt" << false << kNothing << QByteArray();
    QTest::newRow("three results: five lines")
        << three << "three.txt" << true << kSaved
        << QByteArray("STOCK SCAN RESULT:\r\n\r\nAlpha Rising , AAA\r\nBeta Turning , BBB\r\n"
                      "Gamma Rising , CCC\r\n");
    QTest::newRow("one result") << QStringList{"Alpha Rising , AAA"} << "one.txt" << true << kSaved
                                << QByteArray("STOCK SCAN RESULT:\r\n\r\nAlpha Rising , AAA\r\n");
    QTest::newRow("dialog cancelled") << three << "" << true << "" << QByteArray();
    QTest::newRow("folder missing: an error, no success")
        << three << "no-such-folder/result.txt" << true << "error" << QByteArray();
}

void ResultSaveTest::Save() {
    QFETCH(QStringList, items);
    QFETCH(QString, file);
    QFETCH(bool, dialog);
    QFETCH(QString, message);
    QFETCH(QByteArray, written);
    const QString path = file.isEmpty() ? QString() : Path(file.toLatin1().constData());
    SaveList(items, path);

    if (dialog) {
        QCOMPARE(ui_->Dialogs.size(), 1);
        QCOMPARE(ui_->Dialogs.first(), QStringList({"Save result...", "*.txt (*.txt)", "txt"}));
    } else {
        QVERIFY(ui_->Dialogs.isEmpty());
    }
    if (message.isEmpty()) {
        QVERIFY(ui_->Messages.isEmpty());
    } else if (message == "error") {
        QCOMPARE(ui_->Messages.size(), 1);
        QVERIFY(ui_->Messages.first() != kSaved);
        QVERIFY2(ui_->Messages.first().contains("No such file"), qPrintable(ui_->Messages.first()));
    } else {
        QCOMPARE(ui_->Messages, QStringList{message});
    }
    if (written.isEmpty())
        QVERIFY(path.isEmpty() || !QFile::exists(path));
    else
        QCOMPARE(FileBytes(path), written);
}

void ResultSaveTest::SavingTwiceKeepsOnlyTheSecond() {
    SaveList({"Alpha Rising , AAA", "Beta Turning , BBB", "Gamma Rising , CCC"}, Path("twice.txt"));
    SaveList({"Delta Rising , DDD"}, Path("twice.txt"));
    QCOMPARE(FileBytes(Path("twice.txt")),
             QByteArray("STOCK SCAN RESULT:\r\n\r\nDelta Rising , DDD\r\n"));
    QCOMPARE(ui_->Messages, QStringList{kSaved});
}

BREVANT_QTEST_MAIN(ResultSaveTest)
#include "result_save_test.moc"
