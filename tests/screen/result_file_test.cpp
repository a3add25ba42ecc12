// The screening result file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "screen/result_file.h"
#include "support/temp_dir.h"

using namespace brevant;

namespace {
std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

TEST(ScanResultFile, LinesWithCrLf) {
    brevant::testing::TempDir dir;
    const std::string path = dir.file("result.txt");
    WriteScanResult(path, {"Alpha , A", "Beta , B", "Gamma , G"});
    EXPECT_EQ(Read(path), "STOCK SCAN RESULT:\r\n\r\nAlpha , A\r\nBeta , B\r\nGamma , G\r\n");
    WriteScanResult(path, {"Delta , D"}); // replaces, leaving only the second result
    EXPECT_EQ(Read(path), "STOCK SCAN RESULT:\r\n\r\nDelta , D\r\n");
    WriteScanResult(path, {});
    EXPECT_EQ(Read(path), "STOCK SCAN RESULT:\r\n\r\n");
}

TEST(ScanResultFile, UnwritablePlaceIsAnError) {
    brevant::testing::TempDir dir;
    EXPECT_THROW(WriteScanResult(dir.file("no/such/folder/result.txt"), {"A , A"}),
                 std::runtime_error);
}
