// Finding the dialogs that another program shows, by its process and their caption.
#include "DialogWindows.h"

namespace {

struct WindowSearch {
    DWORD processId;
    const std::wstring& caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM argument)
{
    auto& search = *reinterpret_cast<WindowSearch*>(argument);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    // The caption as the system keeps it: no message is sent to a program that may be busy.
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    if (std::wstring(className) == L"#32770" && caption == search.caption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindVisibleDialog(DWORD processId, const std::wstring& caption)
{
    WindowSearch search{processId, caption};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
