// Brevant Dira — the main window's first showing, shutdown and minimizing.
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTimer>

#include "app/app_windows.h"
#include "app/first_time_guide.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup_failure.h"
#include "app/stock_list_box.h"
#include "store/bootstrap.h"
#include "store/data_location.h"
#include "store/engine_warm_up.h"
#include "ui/latin1.h"
#include "ui/modal.h"
#include "ui/product.h"
#include "ui/user_interface.h"

namespace brevant {
namespace {

QString StartupMessage(const char* host) {
    return QString("Congratulation! You have successfully install the software.\r\n"
                   "Currently your database is empty. To begin updating your\r\n"
                   "database, please visit ") +
           host +
           " and go to Historical\r\n"
           "Stock Data page to chose your stock exchange and get a free\r\n"
           "End of Day data covering over 30 exchange worldwide. To get\r\n"
           "more information click -->Help-->Help File and choose \r\n"
           "Update Database. Thank you.";
}

// The program's texts are 8-bit: a separator outside Latin-1 (the Arabic
// decimal separator) would turn into "?", and then no number with decimals
// could be read from a quote file. Such a separator gives way to `fallback`.
char SeparatorChar(const QString& text, char fallback) {
    if (text.size() != 1 || text.front().unicode() > 0xFF) return fallback;
    return char(text.front().unicode());
}

// Qt's format notation turned into the one LocaleSettings and the text
// formats use: "dd/MM/yyyy" becomes "dd/mm/yyyy"; minutes are "nn".
std::string SettingsDateFormat(QString format) {
    format.replace("MMMM", "mmmm").replace("MMM", "mmm").replace("MM", "mm");
    if (!format.contains("mm")) format.replace("M", "m");
    return ui::ToLatin1(format);
}

std::string SettingsTimeFormat(QString format) {
    return ui::ToLatin1(format.replace("mm", "nn").replace("AP", "AM/PM").replace("ap", "am/pm"));
}

} // namespace

void TForm1::FormShow() {
    TForm4* splash = windows_->Form4;
    ChartPane->SetCrossCursor(false);
    if (ProgramDir_.isEmpty()) ProgramDir_ = QString::fromStdString(ProgramDirectory());
    if (!ProgramDir_.endsWith('/')) ProgramDir_ += '/';
    Menu.HelpRouter1.SetHelpFile(ProgramDir_ + ui::kHelpFileName);
    if (DatabasePath.isEmpty()) {
        try {
            DatabasePath = QString::fromStdString(DefaultDatabasePath(ProgramDir_.toStdString()));
        } catch (const DataLocationError& e) {
            ui::Ui().ShowMessage(nullptr, QString::fromLocal8Bit(e.what()));
            FormClose();
            close();
            return;
        }
    }

    ProgressCallbacks progress{[splash](const std::string& text) { splash->SetStatus(text); },
                               [] { QApplication::processEvents(); }};
    if (!OpenDatabase(progress)) {
        FormClose();
        close();
        return;
    }
    QApplication::processEvents();
    LoadOptions();
    LoadStockList();
    if (Lists.ListBox1->count() == 0) {
        ui::Ui().ShowMessage(nullptr, StartupMessage(ui::kProductHost));
        Timer2->start();
    }
    Analysis.Memory.Restore();
    PlotData();
}

void TForm1::WarmUpDatabase() {
    std::string location = QFile::encodeName(DatabasePath).toStdString();
    if (location.empty()) {
        QString dir =
            ProgramDir_.isEmpty() ? QString::fromStdString(ProgramDirectory()) : ProgramDir_;
        if (!dir.endsWith('/')) dir += '/';
        try {
            location = DefaultDatabasePath(dir.toStdString());
        } catch (const DataLocationError&) {
            return;
        }
    }
    WarmUpEngine(location);
}

void TForm1::LoadOptions() {
    const QLocale locale;
    LocaleSettings settings;
    settings.DecimalSeparator = SeparatorChar(locale.decimalPoint(), '.');
    settings.ThousandSeparator =
        SeparatorChar(locale.groupSeparator(), settings.DecimalSeparator == ',' ? '.' : ',');
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : shortDate) {
        if (!c.isLetter()) {
            settings.DateSeparator = c.toLatin1();
            break;
        }
    }
    settings.ShortDateFormat = SettingsDateFormat(shortDate);
    settings.LongDateFormat = SettingsDateFormat(locale.dateFormat(QLocale::LongFormat));
    settings.ShortTimeFormat = SettingsTimeFormat(locale.timeFormat(QLocale::ShortFormat));
    settings.LongTimeFormat = SettingsTimeFormat(locale.timeFormat(QLocale::LongFormat));
    const QString time = locale.timeFormat(QLocale::ShortFormat);
    for (const QChar c : time) {
        if (!c.isLetter()) {
            settings.TimeSeparator = c.toLatin1();
            break;
        }
    }
    for (int m = 1; m <= 12; ++m) {
        settings.ShortMonthNames[std::size_t(m - 1)] =
            ui::ToLatin1(locale.monthName(m, QLocale::ShortFormat));
        settings.LongMonthNames[std::size_t(m - 1)] =
            ui::ToLatin1(locale.monthName(m, QLocale::LongFormat));
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d; // the list starts on Sunday
        settings.ShortDayNames[std::size_t(d)] =
            ui::ToLatin1(locale.dayName(qtDay, QLocale::ShortFormat));
        settings.LongDayNames[std::size_t(d)] =
            ui::ToLatin1(locale.dayName(qtDay, QLocale::LongFormat));
    }
    // The process keeps the user's formats; the program's copy writes dd.mm.yyyy.
    SetProcessFormats(settings);
    LocaleSettings_ = WithProgramDates(settings);
}

void TForm1::FormClose() {
    if (closing_) return;
    closing_ = true;
    Analysis.Memory.Keep();
    if (windows_ && windows_->Form4) windows_->Form4->close();
    try {
        if (store_.DB1.Connected()) store_.DB1.Disconnect();
    } catch (const std::exception&) {
        // A connection to a server that is gone cannot be ended politely;
        // the engine shutdown at the end of the program drops it.
    }
    QApplication::quit();
}

void TMainMenu::Exit2Click() {
    const TAppWindows* windows = window_.windows_;
    if (windows && windows->Form4) windows->Form4->close();
    window_.close();
}

void TForm1::Timer2Timer() {
    // Stopped first: the guide's modal showing would let the timer fire again.
    Timer2->stop();
    ui::ShowModalOnce(windows_->Form11);
}

void TForm1::WMSysCommand(bool minimize) {
    // The whole program goes to the task bar with the main window and comes back with it.
    if (minimize) {
        hiddenByMinimize_.clear();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != this && w->isVisible() && w->isWindow() && !w->isMinimized() &&
                w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup) {
                hiddenByMinimize_.append(w);
                w->hide();
            }
        }
    } else {
        for (QWidget* w : std::as_const(hiddenByMinimize_)) w->show();
        hiddenByMinimize_.clear();
    }
}

} // namespace brevant
