// Tests of TokenSplitter: how lines are cut into fields.
#include "TokenSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kDelimiters = " \t\n";

// Every token of a line, then the empty strings that follow the last one.
std::vector<std::string> Split(const char* line, int calls)
{
    TokenSplitter splitter(line);
    std::vector<std::string> tokens;
    for (int i = 0; i < calls; ++i) {
        tokens.push_back(splitter.NextToken(kDelimiters));
    }
    return tokens;
}

struct SplitCase {
    const char* description;
    const char* line;
    std::vector<std::string> expected;
};

TEST(TokenSplitter, CutsLinesIntoFields)
{
    const SplitCase cases[] = {
        {"four fields, then nothing for good", "A 74 0 127", {"A", "74", "0", "127", "", "", ""}},
        {"runs of delimiters are one separator", "\tA  B\t", {"A", "B", "", ""}},
        {"line feeds separate too", "A\nB\n", {"A", "B", ""}},
        {"empty line", "", {"", ""}},
        {"blanks and tabs only", " \t \t ", {"", ""}},
        {"a carriage return is part of a field", "A 12\r", {"A", "12\r", ""}},
        {"other bytes are kept as they are", "Fl\xE9te -3 +4 x\x1A", {"Fl\xE9te", "-3", "+4", "x\x1A", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_EQ(Split(c.line, static_cast<int>(c.expected.size())), c.expected);
    }
}

TEST(TokenSplitter, SeesTheLineOnlyUpToItsFirstNul)
{
    const char line[] = "A 1\0 B 2";
    EXPECT_EQ(Split(line, 3), (std::vector<std::string>{"A", "1", ""}));
}

TEST(TokenSplitter, KeepsItsOwnCopyOfTheLine)
{
    std::string line = "Cutoff 74";
    TokenSplitter splitter(line.c_str());
    line.assign("XXXXXXXXX");
    EXPECT_EQ(splitter.NextToken(kDelimiters), "Cutoff");
    EXPECT_EQ(splitter.NextToken(kDelimiters), "74");
}

}  // namespace
