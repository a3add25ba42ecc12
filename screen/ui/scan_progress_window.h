// Brevant Dira — the screening run's progress window; its counters come next.
#pragma once

#include <QDialog>

namespace brevant {

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

} // namespace brevant
