// Tests of reading configuration files into a parameter table.
#include "ConfigurationFile.h"
#include "ParameterTable.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

bool operator==(const SynthParameter& a, const SynthParameter& b)
{
    return a.name == b.name && a.controller == b.controller && a.minimum == b.minimum &&
           a.maximum == b.maximum;
}

void PrintTo(const SynthParameter& p, std::ostream* out)
{
    *out << "{\"" << p.name << "\", " << int(p.controller) << ", " << int(p.minimum) << ", "
         << int(p.maximum) << "}";
}

namespace {

SynthParameter Record(const std::string& name, int controller, int minimum, int maximum)
{
    return {name, static_cast<std::uint8_t>(controller), static_cast<std::uint8_t>(minimum),
            static_cast<std::uint8_t>(maximum)};
}

struct FileCase {
    const char* description;
    std::string bytes;
    ParameterList expected;
};

TEST(LoadConfigurationFile, ReadsEveryParameterLineByTheFileRules)
{
    const std::string longName(300, 'n');
    const FileCase cases[] = {
        {"comment, empty line and one parameter", "# comment\n\nA 74 0 127\n", {Record("A", 74, 0, 127)}},
        {"the last line needs no line feed", "A 1 2 3\nB 4 5 6", {Record("A", 1, 2, 3), Record("B", 4, 5, 6)}},
        {"CR LF line ends read like LF", "# c\r\n\r\nA 1 2 3\r\nB 4 5 6\r\n", {Record("A", 1, 2, 3), Record("B", 4, 5, 6)}},
        {"blanks and tabs only are skipped", " \t \nA 1 2 3\n\t\r\n", {Record("A", 1, 2, 3)}},
        {"a name alone gives zeros", "Cutoff\n", {Record("Cutoff", 0, 0, 0)}},
        {"numbers keep their low 8 bits", "X -1 300 12abc\n", {Record("X", 255, 44, 12)}},
        {"only a # in the first column comments", " # x 5 1 2\n", {Record("#", 0, 5, 1)}},
        {"fields after the fourth are ignored", "A\t1  2\t3 4 5\n", {Record("A", 1, 2, 3)}},
        {"a NUL ends what is seen of a line", std::string("A 1\0 2 3\nB 4 5 6\n", 17), {Record("A", 1, 0, 0), Record("B", 4, 5, 6)}},
        {"a line starting with NUL is skipped", std::string("\0A 1 2 3\nB 4 5 6\n", 17), {Record("B", 4, 5, 6)}},
        {"Ctrl-Z ends the file", "A 1 2 3\n\x1A" "B 4 5 6\n", {Record("A", 1, 2, 3)}},
        {"Ctrl-Z ends the file inside a line", "A 1 2\x1A" "3\nB 4 5 6\n", {Record("A", 1, 2, 0)}},
        {"a lone carriage return stays in the line", "A 1 2 3\r", {Record("A", 1, 2, 3)}},
        {"a line of any length is read whole, and what follows it",
         longName + " 7 8 9\nB 1 2 3\n", {Record(longName, 7, 8, 9), Record("B", 1, 2, 3)}},
        {"an empty file", "", {}},
        {"comments only", "# one\n#two\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        TemporaryFolder folder;
        ParameterList table;
        ASSERT_TRUE(LoadConfigurationFile(folder.WriteFile("Quorvel.cfg", c.bytes), table));
        EXPECT_EQ(table, c.expected);
    }
}

TEST(LoadConfigurationFile, AppendsBehindWhatTheTableHolds)
{
    TemporaryFolder folder;
    ParameterList table{Record("Old", 1, 2, 3)};
    ASSERT_TRUE(LoadConfigurationFile(folder.WriteFile("Quorvel.cfg", "New 4 5 6\n"), table));
    EXPECT_EQ(table, (ParameterList{Record("Old", 1, 2, 3), Record("New", 4, 5, 6)}));
}

TEST(LoadConfigurationFile, FailsWithoutAFileAndLeavesTheTableAsItWas)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.Path() / "Folder.cfg");
    const ParameterList before{Record("Old", 1, 2, 3)};
    for (const char* name : {"Missing.cfg", "Folder.cfg"}) {
        SCOPED_TRACE(name);
        ParameterList table = before;
        EXPECT_FALSE(LoadConfigurationFile(folder.Path() / name, table));
        EXPECT_EQ(table, before);
    }
}

TEST(NumberFieldByte, ConvertsLikeADecimalConversionKeepingTheLowEightBits)
{
    const struct {
        const char* field;
        int expected;
    } cases[] = {
        {"", 0}, {"0", 0}, {"127", 127}, {"255", 255}, {"256", 0}, {"300", 44},
        {"-1", 255}, {"-128", 128}, {"+5", 5}, {" \t\r7", 7}, {"12abc", 12}, {"abc", 0},
        {"-", 0}, {"+-3", 0}, {"4294967297", 1}, {"99999999999999999999", 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(NumberFieldByte(c.field), c.expected);
    }
}

TEST(ConfigurationPathFor, ReplacesTheLastThreeCharactersWithCfg)
{
    const struct {
        const char* executable;
        const char* expected;
    } cases[] = {
        {"/opt/synth/Quorvel.exe", "/opt/synth/Quorvel.cfg"},
        {"Bass.EXE", "Bass.cfg"},
        {"noext", "nocfg"},
        {"ab", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.executable);
        EXPECT_EQ(ConfigurationPathFor(c.executable), std::filesystem::path(c.expected));
    }
}

TEST(LoadConfiguration, ReadsTheFileBesideTheRunningProgram)
{
    const auto path = ConfigurationPath();
    ASSERT_FALSE(path.empty());
    ASSERT_FALSE(std::filesystem::exists(path)) << path;
    {
        std::ofstream(path, std::ios::binary) << "Cutoff 74 0 127\n";
    }
    ParameterTable.clear();
    const bool loaded = LoadConfiguration();
    std::filesystem::remove(path);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(ParameterTable, ParameterList{Record("Cutoff", 74, 0, 127)});
    ParameterTable.clear();
    EXPECT_FALSE(LoadConfiguration());
}

}  // namespace
