// Brevant Dira — "Remember my view": the main window's view kept at the end
// of a run and brought back at the next start.
#include "app/view_memory.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <cstdio>

#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/stock_list_box.h"
#include "chart/ui/overlay_window.h"
#include "screen/ui/filter_window.h"
#include "ui/clamping_spin_edit.h"
#include "ui/latin1.h"

namespace brevant {
namespace {

void Note(const QString& note) {
    if (!note.isEmpty()) std::fprintf(stderr, "%s\n", note.toLocal8Bit().constData());
}

// The basic page's controls in the order their values are kept.
struct FilterControls {
    std::vector<QCheckBox*> checks;
    std::vector<QSpinBox*> spins;
    std::vector<QComboBox*> combos;
};

FilterControls Controls(const TBasicFilterPage& b) {
    return {
        {b.CheckBox1, b.CheckBox2, b.CheckBox3, b.CheckBox4},
        {b.SpinEdit1, b.SpinEdit2, b.SpinEdit3, b.SpinEdit4, b.SpinEdit5, b.SpinEdit6, b.SpinEdit7},
        {b.ComboBox10, b.ComboBox11, b.ComboBox12, b.ComboBox13, b.ComboBox15}};
}

} // namespace

void TViewMemory::setupMenu(QMenu* graph) {
    RememberView1 = graph->addAction("Remember my view");
    RememberView1->setCheckable(true);
    QObject::connect(RememberView1, &QAction::triggered, &window_,
                     [this](bool on) { Switched(on); });
}

void TViewMemory::Switched(bool on) {
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    SetRememberViewWanted(*settings, on);
    if (on)
        WriteRememberedView(*settings, Current());
    else
        ForgetRememberedView(*settings);
}

void TViewMemory::Restore() {
    started_ = true;
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    QString note;
    bool wanted = RememberViewWanted(*settings, note);
    if (wanted) {
        if (const std::optional<RememberedView> view = ReadRememberedView(*settings, note))
            Apply(*view);
        // A view this program did not write stays as it is: nothing is
        // kept over it unless the user switches the memory on again.
        else if (!note.isEmpty())
            wanted = false;
    }
    RememberView1->setChecked(wanted);
    Note(note);
}

void TViewMemory::Keep() {
    if (!started_ || !RememberView1->isChecked()) return;
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    WriteRememberedView(*settings, Current());
}

RememberedView TViewMemory::Current() const {
    TForm1& w = window_;
    RememberedView v;
    v.stock = w.Lists.Selection().HeaderEntry().value_or("");
    v.panels = w.Analysis.Panels.Views();
    v.period = w.Menu.WeeklyData1->isChecked() ? 1 : w.Menu.MonthlyData1->isChecked() ? 2 : 0;
    v.history = w.Graph.History();
    v.window = v.history ? -1 : w.Graph.ComboBox3->currentIndex();
    v.priceStyle = w.Graph.ComboBox2->currentIndex();
    v.overlays = w.Overlays();
    v.logScale = w.Graph.LogScale1->isChecked();
    v.adjusted = w.Graph.Adjusted1->isChecked();
    if (w.windows_ && w.windows_->Form2) {
        const FilterControls c = Controls(w.windows_->Form2->Basic);
        for (const QCheckBox* b : c.checks) v.filter.push_back(b->isChecked());
        for (const QSpinBox* s : c.spins) v.filter.push_back(s->value());
        for (const QComboBox* b : c.combos) v.filter.push_back(b->currentIndex());
    }
    return v;
}

void TViewMemory::Apply(const RememberedView& v) {
    TForm1& w = window_;
    QAction* popup[] = {w.Menu.DailyData1, w.Menu.WeeklyData1, w.Menu.MonthlyData1};
    QAction* menu[] = {w.Menu.ViewDailyData1, w.Menu.ViewWeeklyData1, w.Menu.ViewMonthlyData1};
    for (int i = 0; i < 3; ++i) {
        popup[i]->setChecked(i == v.period);
        menu[i]->setChecked(i == v.period);
    }
    w.Tools.SpeedButton6->setText(QString("DWM").at(v.period));
    w.Graph.ComboBox2->setCurrentIndex(v.priceStyle);
    w.Analysis.Panels.Restore(v.panels);
    w.Graph.LogScale1->setChecked(v.logScale);
    w.Graph.Adjusted1->setChecked(v.adjusted);
    if (w.windows_ && w.windows_->Form13) {
        TForm13& o = *w.windows_->Form13;
        const TOverlayParams& p = v.overlays.params;
        o.JvSpinEdit1->setValue(p.MA1);
        o.JvSpinEdit2->setValue(p.MA2);
        o.JvSpinEdit3->setValue(p.MA3);
        o.JvSpinEdit4->setValue(p.BBPeriod);
        o.JvSpinEdit5->setValue(p.BBWidth);
        o.CheckBox1->setChecked(v.overlays.PlotMA1);
        o.CheckBox2->setChecked(v.overlays.PlotMA2);
        o.CheckBox3->setChecked(v.overlays.PlotMA3);
        o.CheckBox4->setChecked(v.overlays.PlotBB);
    }
    if (w.windows_ && w.windows_->Form2) {
        const FilterControls c = Controls(w.windows_->Form2->Basic);
        const std::size_t count = c.checks.size() + c.spins.size() + c.combos.size();
        if (v.filter.size() == count) {
            std::size_t i = 0;
            for (QCheckBox* b : c.checks) b->setChecked(v.filter[i++] != 0);
            for (QSpinBox* s : c.spins) s->setValue(v.filter[i++]);
            for (QComboBox* b : c.combos) {
                const int index = v.filter[i++];
                if (index >= 0 && index < b->count()) b->setCurrentIndex(index);
            }
            w.windows_->Form2->SetIndicatorValue();
        }
    }
    if (v.history)
        w.Graph.SetHistoryWindow(*v.history);
    else
        w.Graph.ComboBox3->setCurrentIndex(v.window);
    w.Graph.CheckChosenItems();
    // The stock last shown, when the list still has it.
    const QList<QListWidgetItem*> found =
        w.Lists.ListBox1->findItems(ui::FromLatin1(v.stock), Qt::MatchExactly);
    if (v.stock.empty() || found.isEmpty()) return;
    w.Lists.PageControl1->setCurrentWidget(w.Lists.TabSheet1);
    w.Lists.ListBox1->setCurrentItem(found.front());
    w.Lists.ListBox1DblClick();
}

} // namespace brevant
