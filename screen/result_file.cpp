// Brevant Dira — saving the list of stocks that passed a screening run.
#include "screen/result_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace brevant {

void WriteScanResult(const std::string& path, const std::vector<std::string>& items) {
    std::string text = "STOCK SCAN RESULT:\r\n\r\n";
    for (const std::string& item : items) {
        text += item;
        text += "\r\n";
    }
    auto fail = [&](int error) {
        throw std::runtime_error("Cannot write " + path + ": " + std::strerror(error));
    };
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) fail(errno);
    if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size()) fail(errno);
    if (std::fclose(file.release()) != 0) fail(errno);
}

} // namespace brevant
