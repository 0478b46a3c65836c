// The running executable's path on Windows, asked for in UTF-16 so no folder name is lost.
#include "ExecutablePath.h"

#include <windows.h>

#include <string>

std::filesystem::path ExecutablePath()
{
    // GetModuleFileNameW truncates silently when the buffer is too small, so grow it
    // until the whole path fits; Windows paths can be up to 32,767 characters long.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer);
        }
        if (buffer.size() >= 32768) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}
