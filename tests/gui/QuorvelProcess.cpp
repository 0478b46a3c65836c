// Runs Quorvel.exe as a user meets it, from a folder of its own, and drives its dialog with
// clicks and keys; the stand-in winmm.dll in the system folder records what it sends.
#include "QuorvelProcess.h"

#include "DialogWindows.h"
#include "resource.h"

#include <chrono>
#include <fstream>
#include <random>
#include <stdexcept>
#include <thread>

namespace {

constexpr auto kPatience = std::chrono::seconds(20);

std::filesystem::path TestProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

template <typename Condition>
bool WaitUntil(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void SendKey(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

bool WaitUntilGone(HWND window)
{
    return WaitUntil([&] { return !IsWindow(window); });
}

std::wstring WindowText(HWND window)
{
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::wstring> ComboEntries(HWND combo)
{
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 255) {
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        }
        entries.push_back(text);
    }
    return entries;
}

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::filesystem::path QuorvelProcess::BuiltProgram()
{
    return TestProgramFolder() / ".." / ".." / "Quorvel.exe";
}

std::filesystem::path QuorvelProcess::StandinWinmm()
{
    return TestProgramFolder() / ".." / "standin" / "winmm.dll";
}

QuorvelProcess::QuorvelProcess(const QuorvelSetup& setup)
{
    std::random_device entropy;
    root = std::filesystem::temp_directory_path() / ("quorvel-gui-" + std::to_string(entropy()));
    folder = root / setup.folder;
    const std::size_t length = (folder / "Quorvel.exe").wstring().size();
    if (setup.programPathLength > length) {
        folder = root / (setup.folder + std::wstring(setup.programPathLength - length, L'x'));
    }
    if (!setup.installedIn.empty()) {
        folder = std::filesystem::absolute(setup.installedIn);
        std::filesystem::create_directories(root);
    } else {
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(BuiltProgram(), folder / "Quorvel.exe");
        if (setup.configuration) {
            std::ofstream(folder / "Quorvel.cfg", std::ios::binary) << *setup.configuration;
        }
        if (setup.winmmBesideProgram) {
            std::filesystem::copy_file(StandinWinmm(), folder / "winmm.dll");
        }
    }
    log = root / "midi.log";

    // The program inherits these; the stand-in reads them when it is loaded. (Wine takes the
    // choice of the stand-in over its own winmm from this test's own start: see CMakeLists.)
    SetEnvironmentVariableW(L"QUORVEL_STANDIN_LOG", log.wstring().c_str());
    SetEnvironmentVariableW(L"QUORVEL_STANDIN_DEVICES", Wide(setup.devices).c_str());
    SetEnvironmentVariableW(L"QUORVEL_STANDIN_OPEN", std::to_wstring(setup.openResult).c_str());
    SetEnvironmentVariableW(L"QUORVEL_STANDIN_VANISH",
                            setup.vanishAfterSends < 0 ? nullptr : std::to_wstring(setup.vanishAfterSends).c_str());

    std::wstring commandLine = L"\"" + (folder / "Quorvel.exe").wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        root.wstring().c_str(), &startup, &process)) {
        throw std::runtime_error("cannot start Quorvel.exe: error " + std::to_string(GetLastError()));
    }
}

QuorvelProcess::~QuorvelProcess()
{
    if (!HasExited()) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

HWND QuorvelProcess::WaitForDialog()
{
    WaitUntil([&] { return (dialog = FindVisibleDialog(process.dwProcessId, L"Quorvel ")) != nullptr; });
    if (!dialog) {
        throw std::runtime_error("the main dialog did not show");
    }
    return dialog;
}

HWND QuorvelProcess::WaitForMessageBox(const std::wstring& caption)
{
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindVisibleDialog(process.dwProcessId, caption)) != nullptr; });
    return box;
}

bool QuorvelProcess::ShowsWindow(const std::wstring& caption) const
{
    return FindVisibleDialog(process.dwProcessId, caption) != nullptr;
}

void QuorvelProcess::Click(int buttonId, HWND window)
{
    // Posted: a click that opens a message box must not hold up the test.
    PostMessageW(GetDlgItem(window ? window : dialog, buttonId), BM_CLICK, 0, 0);
}

void QuorvelProcess::OpenOutput()
{
    Click(IDC_OPEN_MIDI);
    WaitForCalls(1);
}

void QuorvelProcess::PressKey(WORD virtualKey, bool alt)
{
    SetForegroundWindow(dialog);
    WaitUntil([&] { return GetForegroundWindow() == dialog; });
    if (alt) {
        SendKey(VK_MENU, false);
    }
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    if (alt) {
        SendKey(VK_MENU, true);
    }
}

DWORD QuorvelProcess::WaitForExit()
{
    WaitForSingleObject(process.hProcess, static_cast<DWORD>(std::chrono::milliseconds(kPatience).count()));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
}

bool QuorvelProcess::HasExited() const
{
    return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
}

std::vector<std::string> QuorvelProcess::LogLines() const
{
    std::vector<std::string> lines;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> QuorvelProcess::Calls() const
{
    std::vector<std::string> calls;
    for (const auto& line : LogLines()) {
        if (line.rfind("load ", 0) != 0) {
            calls.push_back(line);
        }
    }
    return calls;
}

std::vector<std::string> QuorvelProcess::WaitForCalls(std::size_t count) const
{
    std::vector<std::string> calls;
    WaitUntil([&] { return (calls = Calls()).size() >= count; });
    return calls;
}

std::string QuorvelProcess::LoadedWinmm() const
{
    for (const auto& line : LogLines()) {
        if (line.rfind("load ", 0) == 0) {
            return line.substr(5);
        }
    }
    return {};
}
