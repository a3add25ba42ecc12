// Brevant Dira — every window of the program, created once at start-up.
#pragma once

#include <memory>

#include "app/start_options.h"

namespace brevant {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class THelpWindow;

// The windows are created in this order and only shown and hidden
// afterwards. The splash owns the main window; the main window is the parent
// of the dialogs.
struct TAppWindows {
    TForm4* Form4 = nullptr;
    TForm1* Form1 = nullptr;
    TForm8* Form8 = nullptr;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;
    TForm9* Form9 = nullptr;
    TForm10* Form10 = nullptr;
    TForm11* Form11 = nullptr;
    TForm12* Form12 = nullptr;
    TForm13* Form13 = nullptr;
    THelpWindow* HelpWindow = nullptr;
};

// Creates the splash (shown at once, its timer armed) and with it the hidden
// main window, then the other windows. Destroying the result destroys them all.
class TApplicationWindows {
public:
    explicit TApplicationWindows(const TStartOptions& options);
    ~TApplicationWindows();
    TApplicationWindows(const TApplicationWindows&) = delete;
    TApplicationWindows& operator=(const TApplicationWindows&) = delete;

    const TAppWindows& Windows() const { return windows_; }

private:
    std::unique_ptr<TForm4> splash_;
    TAppWindows windows_;
};

} // namespace brevant
