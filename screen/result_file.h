// Brevant Dira — saving the list of stocks that passed a screening run.
#pragma once

#include <string>
#include <vector>

namespace brevant {

inline constexpr const char* kNoResultToSaveMessage =
    "Run a stock scan and if there are results you will then be able to save it to a text "
    "file.";
inline constexpr const char* kResultSavedMessage = "Result saved successfully!";

// Writes "STOCK SCAN RESULT:", an empty line and one list text per line, with
// CR LF line ends, replacing any file of that name: the text goes into a new
// file beside it, which is then renamed to `path`, so that a failure never
// leaves a half-written result or harms the file it would replace. Throws
// std::runtime_error with the system's reason when the file cannot be
// created or written.
void WriteScanResult(const std::string& path, const std::vector<std::string>& items);

} // namespace brevant
