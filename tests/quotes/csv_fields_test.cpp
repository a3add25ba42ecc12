#include <gtest/gtest.h>

#include "quotes/csv_fields.h"

using namespace brevant;

namespace {
std::vector<std::string> Split(std::string_view line, char separator,
                               std::size_t maxFields = std::numeric_limits<std::size_t>::max()) {
    std::vector<std::string_view> views;
    std::string scratch;
    SplitFields(line, separator, views, scratch, maxFields);
    return {views.begin(), views.end()};
}
} // namespace

TEST(SplitFields, SplitsTrimsAndUnquotes) {
    using Fields = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string line;
        char separator;
        Fields fields;
    } cases[] = {
        {"plain", "a,b,c", ',', {"a", "b", "c"}},
        {"empty line is one empty field", "", ',', {""}},
        {"empty fields", ",,", ',', {"", "", ""}},
        {"blanks and a carriage return trimmed", " a ,\tb\r", ',', {"a", "b"}},
        {"other separator keeps commas", "1,5;2,5", ';', {"1,5", "2,5"}},
        {"tab", "a\tb c\t", '\t', {"a", "b c", ""}},
        {"quoted separator", "\"a,b\",c", ',', {"a,b", "c"}},
        {"doubled quote", "\"say \"\"hi\"\"\",x", ',', {"say \"hi\"", "x"}},
        {"blank before the quote", "x,  \"q\" ,y", ',', {"x", "q", "y"}},
        {"text after the closing quote", "\"ab\"cd,e", ',', {"abcd", "e"}},
        {"unclosed quote runs to the end", "\"a,b,c", ',', {"a,b,c"}},
        {"quote inside a field is text", "a\"b,c", ',', {"a\"b", "c"}},
        {"empty quoted field", "\"\",x", ',', {"", "x"}},
        {"8-bit and NUL bytes", std::string("\xe9\0,z", 4), ',', {std::string("\xe9", 1), "z"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Split(c.line, c.separator), c.fields);
    }
}

TEST(SplitFields, StopsAfterTheFieldsAsked) {
    EXPECT_EQ(Split("a,b,c,d", ',', 2), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Split("\"a\",\"b\",\"c\"", ',', 2), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(Split("a,b", ',', 0).empty());
}

TEST(SplitFields, QuotedViewsSurviveTheWholeLine) {
    // Many quoted fields: the views into the scratch text must stay valid.
    std::string line;
    std::vector<std::string> expected;
    for (int i = 0; i < 200; ++i) {
        line += "\"f" + std::to_string(i) + "\"\"\",";
        expected.push_back("f" + std::to_string(i) + "\"");
    }
    expected.emplace_back();
    EXPECT_EQ(Split(line, ','), expected);
}
