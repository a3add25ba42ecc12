// Brevant Dira — the Qt application object the picture-drawing commands need,
// on the offscreen platform unless the user chose another.
#pragma once

#include <QApplication>
#include <memory>

namespace brevant::cli {

class OffscreenApp {
public:
    OffscreenApp();

private:
    int argc_ = 1;
    char name_[12] = "brevant-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

} // namespace brevant::cli
