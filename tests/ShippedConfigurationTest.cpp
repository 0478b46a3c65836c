// Tests of the configuration files that ship with Quorvel: the default Quorvel.cfg and every
// example in examples/, as the program loads them and as a person edits them.
#include "ConfigurationFile.h"
#include "ParameterTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kSourceFolder = QUORVEL_SOURCE_DIR;
const std::filesystem::path kDefaultFile = kSourceFolder / "config" / "Quorvel.cfg";

std::vector<std::filesystem::path> ShippedFiles()
{
    std::vector<std::filesystem::path> files{kDefaultFile};
    for (const auto& entry : std::filesystem::directory_iterator(kSourceFolder / "examples")) {
        files.push_back(entry.path());
    }
    std::sort(files.begin() + 1, files.end());
    return files;
}

// Controllers that change more than the sound: a random value would switch a pedal on, pick
// another bank or program, rewrite a parameter through data entry, or (120 and above)
// silence the synthesizer, reset it or cut its keyboard off from its sound engine.
bool ChangesMoreThanTheSound(int controller)
{
    return controller == 0 || controller == 32 ||        // bank select
           controller == 6 || controller == 38 ||        // data entry
           (controller >= 64 && controller <= 69) ||     // pedals and switches
           (controller >= 96 && controller <= 101) ||    // data increment, NRPN and RPN
           controller >= 120;                            // channel mode messages
}

TEST(ShippedConfigurationFiles, AreThereAndEndInCfg)
{
    const auto files = ShippedFiles();
    EXPECT_GE(files.size(), 3u) << "the default file and at least two examples";
    for (const auto& file : files) {
        EXPECT_EQ(file.extension(), ".cfg") << file;
    }
}

TEST(ShippedConfigurationFiles, LoadIntoSoundControllersWithinTheDataRange)
{
    for (const auto& file : ShippedFiles()) {
        SCOPED_TRACE(file.string());
        ParameterList table;
        ASSERT_TRUE(LoadConfigurationFile(file, table));
        EXPECT_FALSE(table.empty());
        for (const SynthParameter& parameter : table) {
            SCOPED_TRACE(parameter.name);
            EXPECT_LE(parameter.controller, 127);
            EXPECT_LE(parameter.minimum, 127);
            EXPECT_LE(parameter.maximum, 127);
            EXPECT_LE(parameter.minimum, parameter.maximum) << "written lowest first, for the reader";
            EXPECT_FALSE(ChangesMoreThanTheSound(parameter.controller)) << "controller " << int(parameter.controller);
        }
    }
}

// The loader forgives a lot ("12abc" reads as 12, a missing field as 0, 300 as 44); a file
// we ship must not need that, so every line is checked as written.
TEST(ShippedConfigurationFiles, HaveOnlyCommentsBlankLinesAndFourFieldParameterLines)
{
    const std::regex parameterLine(R"([A-Za-z][A-Za-z0-9_-]*[ \t]+(\d{1,3})[ \t]+(\d{1,3})[ \t]+(\d{1,3})[ \t]*)");
    for (const auto& file : ShippedFiles()) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        std::size_t parameterLines = 0;
        int lineNumber = 0;
        for (std::string line; std::getline(in, line);) {
            ++lineNumber;
            SCOPED_TRACE(lineNumber);
            EXPECT_EQ(line.find('\r'), std::string::npos) << "the repository keeps line feeds only";
            if (line.empty() || line[0] == '#') {
                continue;
            }
            std::smatch fields;
            ASSERT_TRUE(std::regex_match(line, fields, parameterLine)) << line;
            for (int field = 1; field <= 3; ++field) {
                EXPECT_LE(std::stoi(fields[field].str()), 127) << line;
            }
            ++parameterLines;
        }
        ParameterList table;
        ASSERT_TRUE(LoadConfigurationFile(file, table));
        EXPECT_EQ(table.size(), parameterLines);
    }
}

TEST(DefaultConfigurationFile, LeavesVolumeAndExpressionAlone)
{
    ParameterList table;
    ASSERT_TRUE(LoadConfigurationFile(kDefaultFile, table));
    for (const SynthParameter& parameter : table) {
        EXPECT_NE(parameter.controller, 7) << parameter.name << ": volume";
        EXPECT_NE(parameter.controller, 11) << parameter.name << ": expression";
    }
}

}  // namespace
