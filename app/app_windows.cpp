// Brevant Dira — every window of the program, created once at start-up.
#include "app/app_windows.h"

#include "app/about_window.h"
#include "app/first_time_guide.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "chart/ui/indicator_setting_window.h"
#include "chart/ui/overlay_window.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/scan_progress_window.h"
#include "store/ui/progress_window.h"
#include "store/ui/split_entry_window.h"
#include "store/ui/split_list_window.h"
#include "store/ui/update_window.h"

namespace brevant {

TApplicationWindows::TApplicationWindows(const TStartOptions& options)
    : splash_(std::make_unique<TForm4>(options)) {
    TAppWindows& w = windows_;
    w.Form4 = splash_.get();
    w.Form1 = splash_->MainWindow();
    TForm1* main = w.Form1;
    w.Form8 = new TForm8(*main, main);
    w.Form2 = new TForm2(*main, main);
    w.Form3 = new TForm3(*main, w.Form8, main);
    w.Form8->SetProgressWindow(w.Form3);
    w.Form5 = new TForm5(main);
    w.Form2->SetProgressWindow(w.Form5);
    w.Form5->SetFilterWindow(w.Form2);
    w.Form6 = new TForm6(main);
    w.Form9 = new TForm9(main);
    w.Form10 = new TForm10(*main, main);
    w.Form11 = new TForm11(main, w.Form8, main);
    w.Form12 = new TForm12(main->Params, main);
    w.Form13 = new TForm13(main);
    w.Form13->SetOkActions([main] { main->CheckIndicator(); },
                           [form2 = w.Form2] { form2->SetIndicatorValue(); });
    w.HelpWindow = new THelpWindow(main);
    main->SetWindows(&windows_);
}

TApplicationWindows::~TApplicationWindows() = default;

} // namespace brevant
