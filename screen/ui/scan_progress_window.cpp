// Brevant Dira — the screening run's progress window; its counters come next.
#include "screen/ui/scan_progress_window.h"

namespace brevant {

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Filtering Database...");
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(210, 188);
}

} // namespace brevant
