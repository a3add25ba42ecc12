// Brevant Dira — writing an output file whole or not at all.
#pragma once

#include <string>

namespace brevant {

// Writes `bytes` to a new file beside `path` and renames it over `path`, so
// that a reader never sees half a file and a failed write leaves any earlier
// file as it was. Throws std::runtime_error with the system's reason.
void WriteFileReplacing(const std::string& path, const std::string& bytes);

} // namespace brevant
