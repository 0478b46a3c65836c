// The system MIDI operations on Windows: winmm.dll, loaded from the system folder only.
#include "SystemMidi.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <string>

namespace {

// winmm.dll is not one of the DLLs that Windows always takes from its own folder, so an
// ordinary import would find a file of that name planted beside Quorvel.exe first (in a
// downloads folder, say) and run it inside the program. Loading it at run time from the
// system folder alone closes that door.
HMODULE LoadSystemWinmm()
{
    if (HMODULE module = LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return module;
    }
    // Windows without the LOAD_LIBRARY_SEARCH_* flags refuses them: name the file in full.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\winmm.dll";
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

template <typename Function>
Function Lookup(HMODULE module, const char* name)
{
    // Through a neutral function pointer type, as GetProcAddress results must be cast.
    return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                  : nullptr;
}

struct Winmm {
    decltype(&midiOutGetNumDevs) getNumDevs = nullptr;
    decltype(&midiOutGetDevCapsA) getDevCaps = nullptr;
    decltype(&midiOutOpen) open = nullptr;
    decltype(&midiOutShortMsg) shortMsg = nullptr;
    decltype(&midiOutClose) close = nullptr;
};

const Winmm& SystemWinmm()
{
    static const Winmm winmm = [] {
        const HMODULE module = LoadSystemWinmm();
        Winmm functions;
        functions.getNumDevs = Lookup<decltype(&midiOutGetNumDevs)>(module, "midiOutGetNumDevs");
        functions.getDevCaps = Lookup<decltype(&midiOutGetDevCapsA)>(module, "midiOutGetDevCapsA");
        functions.open = Lookup<decltype(&midiOutOpen)>(module, "midiOutOpen");
        functions.shortMsg = Lookup<decltype(&midiOutShortMsg)>(module, "midiOutShortMsg");
        functions.close = Lookup<decltype(&midiOutClose)>(module, "midiOutClose");
        return functions;
    }();
    return winmm;
}

HMIDIOUT ToSystem(MidiOutHandle port)
{
    return reinterpret_cast<HMIDIOUT>(port);
}

}  // namespace

unsigned MidiOutGetNumDevs()
{
    const auto& winmm = SystemWinmm();
    return winmm.getNumDevs ? winmm.getNumDevs() : 0;
}

unsigned MidiOutGetProductName(unsigned deviceId, char (&name)[MidiProductNameSize])
{
    const auto& winmm = SystemWinmm();
    if (!winmm.getDevCaps) {
        return MidiNoDriver;
    }
    MIDIOUTCAPSA caps{};
    const MMRESULT result = winmm.getDevCaps(deviceId, &caps, sizeof caps);
    if (result == MMSYSERR_NOERROR) {
        static_assert(sizeof caps.szPname == MidiProductNameSize);
        std::memcpy(name, caps.szPname, MidiProductNameSize);
        name[MidiProductNameSize - 1] = '\0';  // a driver's name is not trusted to end
    }
    return result;
}

unsigned MidiOutOpen(MidiOutHandle* port, unsigned deviceId)
{
    const auto& winmm = SystemWinmm();
    if (!winmm.open) {
        return MidiNoDriver;
    }
    HMIDIOUT handle = nullptr;
    const MMRESULT result = winmm.open(&handle, deviceId, 0, 0, CALLBACK_NULL);
    if (result == MMSYSERR_NOERROR) {
        *port = reinterpret_cast<MidiOutHandle>(handle);
    }
    return result;
}

unsigned MidiOutShortMsg(MidiOutHandle port, std::uint32_t message)
{
    const auto& winmm = SystemWinmm();
    return winmm.shortMsg ? winmm.shortMsg(ToSystem(port), message) : MidiNoDriver;
}

unsigned MidiOutClose(MidiOutHandle port)
{
    const auto& winmm = SystemWinmm();
    return winmm.close ? winmm.close(ToSystem(port)) : MidiNoDriver;
}
