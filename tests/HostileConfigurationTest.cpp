// Tests of loading configuration files that are hostile or merely odd: garbage, huge lines,
// huge line counts, stray NUL and Ctrl-Z bytes, and paths that are no readable file.
#include "ConfigurationFile.h"
#include "ParameterTable.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

// What the loader gives for these bytes, read from a file.
ParameterList Loaded(const std::string& bytes)
{
    TemporaryFolder folder;
    ParameterList table;
    EXPECT_TRUE(LoadConfigurationFile(folder.WriteFile("Quorvel.cfg", bytes), table));
    return table;
}

bool SameTable(const ParameterList& a, const ParameterList& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].controller != b[i].controller || a[i].minimum != b[i].minimum ||
            a[i].maximum != b[i].maximum) {
            return false;
        }
    }
    return true;
}

// Bytes that the table keeps on the heap: the list's slots and every name too long to be
// kept inside its string.
std::size_t KeptBytes(const ParameterList& table)
{
    std::size_t bytes = table.capacity() * sizeof(SynthParameter);
    const std::size_t inline_capacity = std::string().capacity();
    for (const auto& parameter : table) {
        if (parameter.name.capacity() > inline_capacity) {
            bytes += parameter.name.capacity() + 1;
        }
    }
    return bytes;
}

// A small file that has a bit of everything: comments, CR LF, tabs, blank lines, odd numbers.
const std::string kMixedFile =
    "# synth\r\nCutoff 74 0 127\r\n\r\n\tRes\t71 5\n \t \nMix 7 -1 300\n#x 1 2 3\nLast 1 2 3";

TEST(HostileConfiguration, GarbageLoadsIntoRecordsThatFollowTheLineRules)
{
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(byte(random));
    }
    // Only what comes before the first Ctrl-Z counts; the records come from its lines.
    const std::string seen = garbage.substr(0, garbage.find('\x1A'));
    const ParameterList table = Loaded(garbage);
    std::size_t lines = 1;
    for (const char c : seen) {
        lines += c == '\n';
    }
    EXPECT_LE(table.size(), lines);
    for (const auto& parameter : table) {
        ASSERT_FALSE(parameter.name.empty());
        ASSERT_EQ(parameter.name.find_first_of(std::string(" \t\n\0\x1A", 5)), std::string::npos);
    }
    // Past the first Ctrl-Z nothing matters, whatever it holds.
    EXPECT_TRUE(SameTable(table, Loaded(seen)));
}

TEST(HostileConfiguration, ReadsALineOfTenMegabytesAndKeepsOnlyWhatItNeeds)
{
    const std::size_t length = 10u << 20;
    const std::string name(length, 'N');
    const ParameterList table = Loaded(name + " 74 1 2\nNext 3 4 5\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].name.size(), length);
    EXPECT_EQ(table[0].controller, 74);
    EXPECT_EQ(table[0].maximum, 2);
    EXPECT_EQ(table[1].name, "Next");
    // The name is kept at its own size, not at the size of the buffers it was read through.
    EXPECT_LE(table[0].name.capacity(), length + length / 8);

    // A comment or blank line of that size keeps nothing at all.
    for (const std::string& line : {"#" + name, std::string(length, ' '), std::string(length, '\t')}) {
        const ParameterList nothing = Loaded(line + "\n");
        EXPECT_TRUE(nothing.empty());
        EXPECT_EQ(KeptBytes(nothing), 0u);
    }
}

TEST(HostileConfiguration, ReadsAMillionLinesWithMemoryInProportionToTheRecords)
{
    const int lines = 1000000;
    std::string file;
    file.reserve(static_cast<std::size_t>(lines) * 16);
    for (int i = 0; i < lines; ++i) {
        file += "P" + std::to_string(i) + " " + std::to_string(i % 128) + " 0 127\n";
    }
    const ParameterList table = Loaded(file);
    ASSERT_EQ(table.size(), static_cast<std::size_t>(lines));
    EXPECT_EQ(table.back().name, "P999999");
    EXPECT_EQ(table.back().controller, 999999 % 128);
    // A growing list holds at most twice the slots it uses; the short names need no more.
    EXPECT_LE(KeptBytes(table), 2 * table.size() * sizeof(SynthParameter));

    // Comments keep nothing, however many there are.
    std::string comments;
    for (int i = 0; i < lines; ++i) {
        comments += "#\n";
    }
    EXPECT_EQ(KeptBytes(Loaded(comments)), 0u);
}

TEST(HostileConfiguration, ACtrlZAnywhereEndsTheFileThere)
{
    for (std::size_t at = 0; at <= kMixedFile.size(); ++at) {
        SCOPED_TRACE(at);
        std::string withCtrlZ = kMixedFile;
        withCtrlZ.insert(at, "\x1A");
        ASSERT_TRUE(SameTable(Loaded(withCtrlZ), Loaded(kMixedFile.substr(0, at))));
    }
}

TEST(HostileConfiguration, ANulAnywhereHidesTheRestOfItsLineOnly)
{
    for (std::size_t at = 0; at <= kMixedFile.size(); ++at) {
        if (at > 0 && kMixedFile[at - 1] == '\r' && kMixedFile[at] == '\n') {
            continue;  // between CR and LF the CR is no longer the line's end: its own case
        }
        SCOPED_TRACE(at);
        std::string withNul = kMixedFile;
        withNul.insert(at, 1, '\0');
        // The same file with the rest of that line left out, its line end kept.
        std::size_t lineEnd = kMixedFile.find('\n', at);
        if (lineEnd == std::string::npos) {
            lineEnd = kMixedFile.size();
        } else if (lineEnd > at && kMixedFile[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        std::string cut = kMixedFile;
        cut.erase(at, lineEnd - at);
        ASSERT_TRUE(SameTable(Loaded(withNul), Loaded(cut)));
    }
}

TEST(HostileConfiguration, PathsThatAreNoReadableFileFailAndLeaveTheTableAlone)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.Path() / "Folder.cfg");
    const ParameterList before{{"Old", 1, 2, 3}};
    for (const char* name : {"Folder.cfg", "Missing.cfg", "Folder.cfg/Inside.cfg", ""}) {
        SCOPED_TRACE(name);
        ParameterList table = before;
        EXPECT_FALSE(LoadConfigurationFile(folder.Path() / name, table));
        EXPECT_TRUE(SameTable(table, before));
    }
}

TEST(HostileConfiguration, AFileWithoutReadPermissionFails)
{
    TemporaryFolder folder;
    const auto path = folder.WriteFile("Locked.cfg", "Cutoff 74 0 127\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (std::ifstream(path).is_open()) {
        // As root, or where files have no such permission (Windows' read-only attribute
        // does not stop reading), the file stays readable.
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        GTEST_SKIP() << "read permission does not apply to this user on this system";
    }
    ParameterList table{{"Old", 1, 2, 3}};
    EXPECT_FALSE(LoadConfigurationFile(path, table));
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    EXPECT_TRUE(SameTable(table, ParameterList{{"Old", 1, 2, 3}}));
}

}  // namespace
