// Times how long programs take from being started to showing their dialog, run after run in
// turn, and prints the median of each: startup_time <runs> <program.exe> <caption> ...
// Each program is ended with IDCANCEL once its dialog shows.
#include "DialogWindows.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Seconds from CreateProcess to the visible dialog, or a negative number on failure.
double TimeOneStart(const std::wstring& program, const wchar_t* caption)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    HWND dialog = nullptr;
    double seconds = -1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        dialog = FindVisibleDialog(process.dwProcessId, caption);
        if (dialog) {
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            break;
        }
        Sleep(1);
    }
    if (dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4 || (argc - 2) % 2 != 0) {
        std::fprintf(stderr, "usage: startup_time <runs> <program.exe> <caption> [<program.exe> <caption>] ...\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const int programs = (argc - 2) / 2;
    std::vector<std::vector<double>> times(static_cast<std::size_t>(programs));
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < programs; ++p) {  // in turn, so drifts in load hit all alike
            const double seconds = TimeOneStart(argv[2 + 2 * p], argv[3 + 2 * p]);
            if (seconds < 0) {
                std::fwprintf(stderr, L"%ls did not show \"%ls\"\n", argv[2 + 2 * p], argv[3 + 2 * p]);
                return 1;
            }
            times[static_cast<std::size_t>(p)].push_back(seconds);
        }
    }
    for (int p = 0; p < programs; ++p) {
        auto& t = times[static_cast<std::size_t>(p)];
        std::sort(t.begin(), t.end());
        std::wprintf(L"%ls: median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", argv[2 + 2 * p],
                     1000 * t[t.size() / 2], 1000 * t.front(), 1000 * t.back(), runs);
    }
    return 0;
}
