// Brevant Dira — a text dump of the main window and pictures of it in several
// views, driven only through the window's own controls (menu items, tool
// buttons, the lists, mouse moves over the chart), so that the same program
// built from two versions of the source gives comparable output: a change
// that should leave the window alone can be checked by diffing two runs.
//
// Usage: brevant-window-dump OUTDIR   (offscreen; writes OUTDIR/dump.txt and PNGs)
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <qcustomplot.h>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "chart/ui/overlay_window.h"
#include "store/bootstrap.h"
#include "store/quote_import.h"
#include "support/temp_dir.h"

namespace {

QString Rect(const QRect& r) {
    return QString("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString Quoted(const QString& text) {
    QString t = text;
    t.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r");
    return "\"" + t + "\"";
}

class Dumper {
public:
    explicit Dumper(QTextStream& out) : out_(out) {}

    void Actions(const QList<QAction*>& actions, int depth) {
        for (const QAction* a : actions) {
            Line(depth) << (a->isSeparator() ? "separator" : "action " + Quoted(a->text()))
                        << " key=" << a->shortcut().toString() << " checkable=" << a->isCheckable()
                        << " checked=" << a->isChecked() << " enabled=" << a->isEnabled()
                        << " visible=" << a->isVisible() << "\n";
            if (a->menu()) Actions(a->menu()->actions(), depth + 1);
        }
    }

    void Widget(const QWidget* w, int depth) {
        QTextStream& o = Line(depth);
        o << w->metaObject()->className() << " " << Quoted(w->objectName()) << " "
          << Rect(w->geometry()) << " visible=" << w->isVisible() << " enabled=" << w->isEnabled();
        if (!w->toolTip().isEmpty()) o << " tip=" << Quoted(w->toolTip());
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            o << " text=" << Quoted(l->text())
              << " colour=" << l->palette().color(QPalette::WindowText).name()
              << " font=" << l->font().family() << "/" << l->font().pixelSize() << "/"
              << l->font().pointSize() << "/" << l->font().bold()
              << " align=" << int(l->alignment()) << " fill=" << l->autoFillBackground();
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            o << " text=" << Quoted(b->text()) << " checkable=" << b->isCheckable()
              << " checked=" << b->isChecked() << " icon=" << !b->icon().isNull();
        } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
            QStringList items;
            for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
            o << " items=" << Quoted(items.join("|")) << " current=" << c->currentIndex();
        } else if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
            o << " text=" << Quoted(e->text());
        } else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
            QStringList selected;
            for (const QListWidgetItem* item : list->selectedItems()) selected << item->text();
            o << " count=" << list->count() << " row=" << list->currentRow()
              << " selected=" << Quoted(selected.join("|"));
            if (list->count() > 0) o << " first=" << Quoted(list->item(0)->text());
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            QStringList titles;
            for (int i = 0; i < tabs->count(); ++i) titles << tabs->tabText(i);
            o << " tabs=" << Quoted(titles.join("|")) << " current=" << tabs->currentIndex();
        } else if (const auto* bar = qobject_cast<const QStatusBar*>(w)) {
            o << " message=" << Quoted(bar->currentMessage());
        }
        o << "\n";
        if (const auto* menuBar = qobject_cast<const QMenuBar*>(w))
            Actions(menuBar->actions(), depth + 1);
        // QCustomPlot's getters are not const.
        if (auto* plot = qobject_cast<QCustomPlot*>(const_cast<QWidget*>(w)))
            Plot(*plot, depth + 1);
        for (const QObject* child : w->children())
            if (const auto* cw = qobject_cast<const QWidget*>(child); cw && !cw->isWindow())
                Widget(cw, depth + 1);
    }

    void Plot(QCustomPlot& plot, int depth) {
        for (int i = 0; i < plot.plottableCount(); ++i) {
            QCPAbstractPlottable* p = plot.plottable(i);
            bool found = false;
            const QCPRange keys = p->getKeyRange(found);
            Line(depth) << "plottable " << p->metaObject()->className() << " " << Quoted(p->name())
                        << " visible=" << p->visible() << " keys=" << (found ? keys.lower : 0)
                        << ".." << (found ? keys.upper : 0)
                        << " pen=" << p->pen().color().name(QColor::HexArgb) << "/"
                        << p->pen().width() << "/" << int(p->pen().style()) << "\n";
        }
        Line(depth) << "items=" << plot.itemCount() << " layers=" << plot.layerCount() << "\n";
        for (int i = 0; i < plot.itemCount(); ++i) {
            QCPAbstractItem* item = plot.item(i);
            QTextStream& o = Line(depth + 1);
            o << "item " << item->metaObject()->className() << " visible=" << item->visible();
            if (const auto* text = qobject_cast<QCPItemText*>(item))
                o << " text=" << Quoted(text->text());
            o << "\n";
        }
        for (const QCPAxisRect* rect : plot.axisRects()) {
            Line(depth) << "axis rect " << Rect(rect->rect()) << "\n";
            QList<QCPAxis*> axes = rect->axes();
            // Their order comes from a hash.
            std::sort(axes.begin(), axes.end(), [](const QCPAxis* a, const QCPAxis* b) {
                return a->axisType() < b->axisType();
            });
            for (const QCPAxis* axis : axes) {
                QTextStream& o = Line(depth + 1);
                o << "axis " << int(axis->axisType()) << " visible=" << axis->visible()
                  << " range=" << axis->range().lower << ".." << axis->range().upper
                  << " labels=" << Quoted(axis->tickVectorLabels().join("|"));
                o << "\n";
            }
        }
    }

private:
    QTextStream& Line(int depth) {
        out_ << QString(depth * 2, ' ');
        return out_;
    }
    QTextStream& out_;
};

void Settle(int ms = 150) {
    QApplication::processEvents();
    QTest::qWait(ms);
}

} // namespace

int main(int argc, char* argv[]) {
    // The same pixels on every machine: no window manager, no display's fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    brevant::TApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(outDir.path());
    QFile file(outDir.filePath("dump.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream out(&file);

    brevant::testing::TempDir dir;
    // The user's own settings (a remembered view) must not change the dump.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(dir.path().string() + "/settings"));
    const std::string database = dir.file("BREVDATA.BVD");
    {
        brevant::TDataStore store;
        if (!brevant::CheckFirebird(store, database, {})) return 1;
        brevant::TQuoteImport(store, '.').Run({SAMPLE_QUOTES});
        store.DB1.Disconnect();
    }
    brevant::TStartOptions options;
    options.DatabasePath = QString::fromStdString(database);
    options.ProgramDir = QString::fromStdString(dir.path().string() + "/");
    brevant::TApplicationWindows windows(options);
    QMainWindow* main = windows.Windows().Form1;
    for (int waited = 0; !main->isVisible() && waited < 400; ++waited) QTest::qWait(50);
    if (!main->isVisible()) return 1;
    Settle(300);

    Dumper dumper(out);
    int shots = 0;
    auto state = [&](const QString& name, bool picture) {
        Settle();
        out << "=== " << name << "\n";
        out << "title=" << Quoted(main->windowTitle()) << " geometry=" << Rect(main->geometry())
            << "\n";
        dumper.Actions(main->actions(), 0);
        dumper.Widget(main, 0);
        if (picture)
            main->grab().save(
                outDir.filePath(QString("%1-%2.png").arg(++shots, 2, 10, QChar('0')).arg(name)));
    };
    auto menuItem = [&](const QString& text) {
        for (QAction* a : main->findChildren<QAction*>())
            if (a->text() == text) {
                a->trigger();
                return;
            }
        out << "NO MENU ITEM " << text << "\n";
    };
    auto toolButton = [&](const QString& hint) {
        for (QAbstractButton* b : main->findChildren<QAbstractButton*>())
            if (b->toolTip() == hint) {
                b->click();
                return;
            }
        out << "NO TOOL BUTTON " << hint << "\n";
    };
    QCustomPlot* chart = main->findChild<QCustomPlot*>();
    auto mouseAt = [&](int x, int y) {
        const QPoint at(x, y);
        QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(chart, &move);
        QTest::qWait(120);
    };
    const QList<QListWidget*> lists = main->findChildren<QListWidget*>();

    state("start", true);
    mouseAt(chart->width() / 2, chart->height() / 2);
    state("readout-middle", false);
    mouseAt(40, chart->height() / 3);
    state("readout-left", false);
    mouseAt(chart->width() - 40, chart->height() / 3);
    state("readout-right", false);
    toolButton("Cross Cursor");
    mouseAt(chart->width() * 2 / 3, chart->height() / 2);
    state("crosshair", true);

    main->showNormal();
    main->resize(1400, 860);
    Settle(300);
    mouseAt(chart->width() / 3, chart->height() / 2);
    state("crosshair-1400", true);

    for (const char* view :
         {"View 1 Year", "View Relative Strength Index", "View Line", "View All Data",
          "View Bar(High,Low,Close)", "View On Balance Volume", "View Weekly Data",
          "View Wilder's DMI", "View Monthly Data", "View Fast Stochastic", "View 1 Month Data",
          "View Daily Data", "View Candlestick", "View Accumulation/Distribution",
          "View MACD Histogram", "View 6 Months"}) {
        menuItem(view);
        mouseAt(chart->width() / 2 + 13, chart->height() / 2);
        state(
            QString(view).replace(' ', '-').remove('/').remove('\'').remove('(').remove(')').remove(
                ','),
            true);
    }

    brevant::TForm13& overlays = *windows.Windows().Form13;
    for (QCheckBox* box :
         {overlays.CheckBox1, overlays.CheckBox2, overlays.CheckBox3, overlays.CheckBox4})
        box->setChecked(true);
    overlays.Button1Click();
    mouseAt(chart->width() / 2, chart->height() / 2);
    state("overlays", true);

    toolButton("Cross Cursor");
    state("crosshair-off", false);
    menuItem("View Detail Data");
    mouseAt(chart->width() / 3, chart->height() / 2);
    state("detail-hidden", true);
    menuItem("View Detail Data");
    state("detail-shown", false);

    out << "lists:";
    for (const QListWidget* list : lists) out << " " << list->count();
    out << "\n";
    for (QListWidget* list : lists) {
        if (list->count() <= 3) continue;
        // A click on the fourth entry, as the user would.
        const QRect item = list->visualItemRect(list->item(3));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        state("fourth-stock", true);
        break;
    }
    if (auto* search = main->findChild<QLineEdit*>()) {
        search->setFocus();
        QTest::keyClicks(search, "blue");
        state("search-blue", true);
    }
    // The popup of the period tool button.
    for (QAction* a : main->findChildren<QAction*>())
        if (a->text() == "Monthly Data") a->trigger();
    state("popup-monthly", true);
    // The other windows, as they were made at start-up (hidden but for the splash's end).
    QList<QWidget*> windowsMade = QApplication::topLevelWidgets();
    std::sort(windowsMade.begin(), windowsMade.end(), [](const QWidget* a, const QWidget* b) {
        return QString(a->metaObject()->className()) + a->windowTitle() <
               QString(b->metaObject()->className()) + b->windowTitle();
    });
    out << "=== other windows\n";
    for (const QWidget* window : windowsMade) {
        if (window == main || qobject_cast<const QMenu*>(window) ||
            window->inherits("QComboBoxPrivateContainer"))
            continue;
        out << "window " << Quoted(window->windowTitle()) << "\n";
        dumper.Widget(window, 1);
    }
    out.flush();
    std::printf("%d pictures\n", shots);
    main->close();
    return 0;
}
