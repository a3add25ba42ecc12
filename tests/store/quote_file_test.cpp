#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "store/quote_file.h"
#include "support/temp_dir.h"

using namespace brevant;
using brevant::testing::TempDir;

namespace {
std::vector<std::string> ReadAll(const std::string& path) {
    TQuoteFile file(path);
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLine(line)) lines.push_back(line);
    return lines;
}
} // namespace

TEST(QuoteFile, LineEndsCarriageReturnsAndCtrlZ) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"lf", "a\nb\n", {"a", "b"}},
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lone cr joins", "a\rb\n", {"ab"}},
        {"no final lf", "a\nb", {"a", "b"}},
        {"empty lines kept", "a\n\nb\n", {"a", "", "b"}},
        {"empty file", "", {}},
        {"only cr", "\r\r\r\r", {}},
        {"only ctrl-z", "\x1a\x1a\x1a", {}},
        {"ctrl-z ends the file",
         "a\nb\x1a"
         "c\nd\n",
         {"a", "b"}},
        {"ctrl-z after lf",
         "a\n\x1a"
         "b\n",
         {"a"}},
        {"nul bytes are text", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
        {"8-bit bytes", "\xe9\xff\n", {"\xe9\xff"}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadAll(dir.write("f.txt", c.bytes)), c.lines);
    }
}

TEST(QuoteFile, LinesAcrossTheReadBufferMatchASimpleSplit) {
    std::mt19937 rng(7);
    const char alphabet[] = {'a', 'b', ',', '\r', '\n'};
    std::string bytes;
    for (int i = 0; i < 300000; ++i) bytes += alphabet[rng() % 5];
    std::vector<std::string> expected;
    std::string current;
    for (char c : bytes) {
        if (c == '\r') continue;
        if (c == '\n') {
            expected.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) expected.push_back(current);
    TempDir dir;
    EXPECT_EQ(ReadAll(dir.write("f.txt", bytes)), expected);
}

TEST(QuoteFile, VeryLongLine) {
    TempDir dir;
    const std::string longLine(1 << 20, 'x');
    const auto lines = ReadAll(dir.write("f.txt", longLine + "\r\nend"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[1], "end");
}

TEST(QuoteFile, CannotOpenMissingFileOrFolder) {
    TempDir dir;
    EXPECT_THROW(TQuoteFile(dir.file("missing.txt")), std::runtime_error);
    EXPECT_THROW(TQuoteFile(dir.path().string()), std::runtime_error);
}
