// Runs Quorvel.exe as a user meets it, from a folder of its own, and drives its dialog with
// clicks and keys; the stand-in winmm.dll in the system folder records what it sends.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct QuorvelSetup {
    // The configuration file beside the program; none at all when empty.
    std::optional<std::string> configuration = std::string("Cutoff 74 100 100\n");
    std::string devices = "Synth A";   // the stand-in's devices: '|' between, '!' unreadable
    unsigned openResult = 0;           // what opening a device answers
    long vanishAfterSends = -1;        // the devices are gone after this many sends; -1: never
    std::wstring folder = L"Quorvel";  // the program's folder, below a temporary one
    bool winmmBesideProgram = false;   // plant a winmm.dll in the program's folder
    std::filesystem::path installedIn; // if set, the Quorvel.exe already in that folder runs
                                       // as it is: configuration, folder, winmmBesideProgram
                                       // and programPathLength are ignored; it stays afterwards
    std::size_t programPathLength = 0; // if set, the folder name is padded to give the
                                       // program's full path this many characters
};

class QuorvelProcess {
public:
    explicit QuorvelProcess(const QuorvelSetup& setup = QuorvelSetup());
    ~QuorvelProcess();  // ends the program if it still runs, and removes its folder
    QuorvelProcess(const QuorvelProcess&) = delete;
    QuorvelProcess& operator=(const QuorvelProcess&) = delete;

    // The main dialog once it is visible.
    HWND WaitForDialog();
    // A message box of this program with that caption, once it is visible.
    HWND WaitForMessageBox(const std::wstring& caption);
    // Whether the program shows a window with that caption now.
    bool ShowsWindow(const std::wstring& caption) const;

    HWND Dialog() const { return dialog; }
    HWND Control(int id) const { return GetDlgItem(dialog, id); }

    // A mouse click on a button of `window` (the dialog by default).
    void Click(int buttonId, HWND window = nullptr);
    // Clicks Open MIDI and waits until the driver has been asked to open the device.
    void OpenOutput();
    // A key press in the foreground dialog, with Alt held if asked for.
    void PressKey(WORD virtualKey, bool alt = false);

    // Waits until the program has ended and returns its exit code.
    DWORD WaitForExit();
    bool HasExited() const;

    // The stand-in's log, without its "load" line.
    std::vector<std::string> Calls() const;
    // The log lines, once there are at least `count`.
    std::vector<std::string> WaitForCalls(std::size_t count) const;
    // The path of the winmm.dll the program loaded, from the stand-in's "load" line.
    std::string LoadedWinmm() const;

    const std::filesystem::path& Folder() const { return folder; }

    // Where this build keeps things, relative to the test program.
    static std::filesystem::path BuiltProgram();
    static std::filesystem::path StandinWinmm();

private:
    std::vector<std::string> LogLines() const;

    std::filesystem::path root;
    std::filesystem::path folder;
    std::filesystem::path log;
    PROCESS_INFORMATION process{};
    HWND dialog = nullptr;
};

// Waits until the window is destroyed; false if it is still there after a while.
bool WaitUntilGone(HWND window);
// Text of a window or control, read across processes.
std::wstring WindowText(HWND window);
// The entries of a combo box, read across processes.
std::vector<std::wstring> ComboEntries(HWND combo);
// A narrow string, as the program wrote it, widened (test texts are ASCII).
std::wstring Wide(const std::string& text);
