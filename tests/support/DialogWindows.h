// Finding the dialogs that another program shows, by its process and their caption.
#pragma once

#include <windows.h>

#include <string>

// A visible top-level dialog of that process with exactly that caption, or nullptr.
HWND FindVisibleDialog(DWORD processId, const std::wstring& caption);
