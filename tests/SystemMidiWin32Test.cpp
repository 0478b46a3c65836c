// Tests of the system MIDI operations on Windows, against the system's own winmm.dll.
#include "OutputPort.h"
#include "SystemMidi.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <string>

namespace {

std::wstring ModulePath(HMODULE module)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

std::wstring Lowercase(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

// Runs first in this program: nothing may have loaded winmm.dll before it plants its own.
TEST(SystemMidi, TakesWinmmFromTheSystemFolderEvenWithOneBesideTheProgram)
{
    const std::filesystem::path folder = std::filesystem::path(ModulePath(nullptr)).parent_path();
    const auto planted = folder / "winmm.dll";
    ASSERT_EQ(GetModuleHandleW(L"winmm.dll"), nullptr) << "winmm.dll was loaded too early";
    std::filesystem::copy_file(folder / ".." / "standin" / "winmm.dll", planted,
                               std::filesystem::copy_options::overwrite_existing);

    MidiOutGetNumDevs();

    const HMODULE winmm = GetModuleHandleW(L"winmm.dll");
    std::error_code ignored;
    std::filesystem::remove(planted, ignored);
    ASSERT_NE(winmm, nullptr);
    EXPECT_EQ(GetProcAddress(winmm, "QuorvelStandin"), nullptr) << "the planted winmm.dll was loaded";
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    EXPECT_EQ(Lowercase(ModulePath(winmm)), Lowercase(std::wstring(system) + L"\\winmm.dll"));
}

TEST(SystemMidi, ReportsTheSystemsDevicesAndRefusesOneThatDoesNotExist)
{
    const unsigned count = MidiOutGetNumDevs();
    EXPECT_EQ(ListOutputDevices().size(), count);  // every device of a working system reads
    char name[MidiProductNameSize] = {};
    EXPECT_NE(MidiOutGetProductName(count, name), MidiNoError);
    MidiOutHandle port = nullptr;
    EXPECT_NE(MidiOutOpen(&port, count), MidiNoError);
    EXPECT_EQ(port, nullptr);
    EXPECT_FALSE(OpenOutputPort(count));
    EXPECT_EQ(OutputPort, nullptr);
}

}  // namespace
