// Tests of the download as a user gets it: the package unpacked into an empty folder, and the
// program started from there with the configuration it ships with, sending to the recording
// stand-in winmm.dll of the system folder.
#include "ConfigurationFile.h"
#include "ParameterTable.h"
#include "QuorvelProcess.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Where the package test's first step unpacked the package.
std::filesystem::path UnpackedPackage()
{
    const char* folder = std::getenv("QUORVEL_PACKAGE_FOLDER");
    return folder ? std::filesystem::absolute(folder) : std::filesystem::path();
}

// The parameters a randomize pass sends: those with a controller the program can send.
ParameterList Sendable(const ParameterList& table)
{
    ParameterList sendable;
    std::copy_if(table.begin(), table.end(), std::back_inserter(sendable),
                 [](const SynthParameter& p) { return p.controller <= 127; });
    return sendable;
}

// One randomize pass in the stand-in's log: a Control Change on channel 1 through the first
// port opened, for every parameter in file order, with a value within its bounds.
void ExpectPassOnChannelOne(const Calls& pass, const ParameterList& parameters)
{
    ASSERT_EQ(pass.size(), parameters.size());
    for (std::size_t i = 0; i < pass.size(); ++i) {
        const SynthParameter& parameter = parameters[i];
        SCOPED_TRACE(pass[i] + " for " + parameter.name);
        unsigned port = 0, message = 0, result = 0;
        ASSERT_EQ(std::sscanf(pass[i].c_str(), "send %u %8x %u", &port, &message, &result), 3);
        EXPECT_EQ(port, 1u);
        EXPECT_EQ(message & 0xFFu, 0xB0u) << "Control Change, channel 1";
        EXPECT_EQ(message >> 8 & 0xFFu, parameter.controller);
        const unsigned value = message >> 16 & 0xFFu;
        const unsigned low = std::min<unsigned>(std::min(parameter.minimum, parameter.maximum), 127);
        const unsigned high = std::min<unsigned>(std::max(parameter.minimum, parameter.maximum), 127);
        EXPECT_GE(value, low);
        EXPECT_LE(value, high);
        EXPECT_EQ(message >> 24, 0u) << "a three-byte message";
    }
}

TEST(UnpackedPackage, RandomizesItsOwnConfigurationOnChannelOne)
{
    const std::filesystem::path folder = UnpackedPackage();
    ASSERT_FALSE(folder.empty()) << "QUORVEL_PACKAGE_FOLDER is not set";

    // What the program must send is read from the file it reads; that file must be the
    // default configuration of the sources, whatever its line ends in the package.
    ParameterList shipped, source;
    ASSERT_TRUE(LoadConfigurationFile(folder / "Quorvel.cfg", shipped));
    ASSERT_TRUE(LoadConfigurationFile(std::filesystem::path(QUORVEL_SOURCE_DIR) / "config" / "Quorvel.cfg", source));
    ASSERT_EQ(shipped.size(), source.size());
    for (std::size_t i = 0; i < shipped.size(); ++i) {
        EXPECT_EQ(shipped[i].name, source[i].name);
        EXPECT_EQ(shipped[i].controller, source[i].controller);
        EXPECT_EQ(shipped[i].minimum, source[i].minimum);
        EXPECT_EQ(shipped[i].maximum, source[i].maximum);
    }
    const ParameterList parameters = Sendable(shipped);
    ASSERT_FALSE(parameters.empty());
    const std::size_t n = parameters.size();

    QuorvelSetup setup;
    setup.installedIn = folder;
    setup.devices = "Synth Module";
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    EXPECT_FALSE(quorvel.ShowsWindow(L"Error")) << "the program did not find its configuration";

    quorvel.Click(IDC_OPEN_MIDI);
    quorvel.Click(IDC_RANDOMIZE);
    Calls calls = quorvel.WaitForCalls(1 + n);
    ASSERT_EQ(calls.size(), 1 + n);
    EXPECT_EQ(calls[0], "open 0 0");
    ExpectPassOnChannelOne(Calls(calls.begin() + 1, calls.end()), parameters);

    quorvel.PressKey(VK_F1);
    calls = quorvel.WaitForCalls(1 + 2 * n);
    ASSERT_EQ(calls.size(), 1 + 2 * n);
    ExpectPassOnChannelOne(Calls(calls.begin() + 1 + n, calls.end()), parameters);

    quorvel.Click(IDCANCEL);
    EXPECT_EQ(quorvel.WaitForExit(), 0u);
    EXPECT_EQ(quorvel.Calls().back(), "close 1");

    // The package brings no winmm.dll of its own: the system's (here the stand-in) was used.
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(Wide(quorvel.LoadedWinmm()), std::wstring(system) + L"\\winmm.dll");
}

}  // namespace
