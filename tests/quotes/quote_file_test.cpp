#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "quotes/quote_file.h"
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

// A file without line feeds cannot grow a line without bound: the rest of
// a line past the limit is skipped and the file goes on.
TEST(QuoteFile, LinesPastTheLimitAreCutAndTheFileGoesOn) {
    TempDir dir;
    const std::string head(kMaxLineLength, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
        std::vector<bool> cut;
    } cases[] = {
        {"cut, then the next line",
         head + std::string(3 << 20, 'y') + "\r\nnext\n",
         {head, "next"},
         {true, false}},
        {"no line feed at all", head + std::string(5 << 20, 'z'), {head}, {true}},
        {"carriage returns do not count", head + "\r\r\n", {head}, {false}},
        {"cut at a ctrl-z", head + "tail\x1a" + "after\n", {head}, {true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TQuoteFile file(dir.write("f.txt", c.bytes));
        std::vector<std::string> lines;
        std::vector<bool> cut;
        std::string line;
        while (file.ReadLine(line)) {
            lines.push_back(line);
            cut.push_back(file.LineWasCut());
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(cut, c.cut);
    }
}

TEST(QuoteFile, BytesReadFollowTheLines) {
    TempDir dir;
    const std::string bytes = "ab\r\n" + std::string(200000, 'c') + "\nd";
    TQuoteFile file(dir.write("f.txt", bytes));
    EXPECT_EQ(file.Size(), bytes.size());
    EXPECT_EQ(file.BytesRead(), 0u);
    std::string line;
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(file.BytesRead(), 4u);
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(file.BytesRead(), 4u + 200001u);
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(file.BytesRead(), bytes.size());
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_EQ(file.BytesRead(), bytes.size());
}

TEST(QuoteFile, CannotOpenMissingFileOrFolder) {
    TempDir dir;
    EXPECT_THROW(TQuoteFile(dir.file("missing.txt")), std::runtime_error);
    EXPECT_THROW(TQuoteFile(dir.path().string()), std::runtime_error);
}
