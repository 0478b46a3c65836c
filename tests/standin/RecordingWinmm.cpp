// A stand-in winmm.dll for tests of the whole program: it plays the MIDI output devices that
// the test describes and appends every call that matters to a log file the test reads.
//
// Environment, read when the DLL is loaded:
//   QUORVEL_STANDIN_LOG      the log file (no logging without it)
//   QUORVEL_STANDIN_DEVICES  device names separated by '|'; a name starting with '!' is a
//                            device whose capabilities cannot be read
//   QUORVEL_STANDIN_OPEN     the result that opening a device gives (default 0, success)
//   QUORVEL_STANDIN_VANISH   after this many accepted sends the devices are gone, as when
//                            a USB interface is unplugged: none is counted or opens, sends
//                            and closes answer MMSYSERR_NODRIVER (a close still ends the
//                            port); unset: never
//
// Log lines: "load <path of this DLL>", "open <device> <result>", "send <port> <message as
// 8 hex digits> <result>", "close <port>", where <port> numbers the opens from 1.
#define _WINMM_
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Device {
    std::string name;
    bool readable = true;
};

std::vector<Device> devices;
MMRESULT openResult = MMSYSERR_NOERROR;
long sendsBeforeVanishing = -1;  // -1: the devices never vanish
long acceptedSends = 0;
FILE* logFile = nullptr;
UINT_PTR opens = 0;
std::vector<UINT_PTR> openPorts;

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[4096];
    const DWORD length = GetEnvironmentVariableW(name, value, 4096);
    return length > 0 && length < 4096 ? std::wstring(value, length) : std::wstring();
}

void Log(const char* format, ...)
{
    if (!logFile) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(logFile, format, arguments);
    va_end(arguments);
    std::fputc('\n', logFile);
    std::fflush(logFile);
}

void Configure(HINSTANCE self)
{
    const std::wstring logPath = Environment(L"QUORVEL_STANDIN_LOG");
    if (!logPath.empty()) {
        logFile = _wfopen(logPath.c_str(), L"ab");
    }
    char path[MAX_PATH] = {};
    GetModuleFileNameA(self, path, MAX_PATH);
    Log("load %s", path);

    const std::wstring list = Environment(L"QUORVEL_STANDIN_DEVICES");
    std::string names(list.begin(), list.end());  // test device names are ASCII
    std::size_t start = 0;
    while (!names.empty() && start <= names.size()) {
        const std::size_t end = std::min(names.find('|', start), names.size());
        Device device{names.substr(start, end - start)};
        if (!device.name.empty() && device.name[0] == '!') {
            device.readable = false;
            device.name.erase(0, 1);
        }
        devices.push_back(device);
        start = end + 1;
    }
    const std::wstring open = Environment(L"QUORVEL_STANDIN_OPEN");
    if (!open.empty()) {
        openResult = static_cast<MMRESULT>(std::wcstoul(open.c_str(), nullptr, 10));
    }
    const std::wstring vanish = Environment(L"QUORVEL_STANDIN_VANISH");
    if (!vanish.empty()) {
        sendsBeforeVanishing = std::wcstol(vanish.c_str(), nullptr, 10);
    }
}

bool Vanished()
{
    return sendsBeforeVanishing >= 0 && acceptedSends >= sendsBeforeVanishing;
}

bool IsOpen(UINT_PTR port)
{
    for (UINT_PTR open : openPorts) {
        if (open == port) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        Configure(self);
    }
    return TRUE;
}

// Marks this DLL as the stand-in, so a test can tell it from the system's own.
__declspec(dllexport) int QuorvelStandin()
{
    return 1;
}

UINT WINAPI midiOutGetNumDevs()
{
    return Vanished() ? 0 : static_cast<UINT>(devices.size());
}

MMRESULT WINAPI midiOutGetDevCapsA(UINT_PTR device, LPMIDIOUTCAPSA caps, UINT size)
{
    if (Vanished() || device >= devices.size()) {
        return MMSYSERR_BADDEVICEID;
    }
    if (!devices[device].readable) {
        return MMSYSERR_NODRIVER;
    }
    if (!caps || size < sizeof *caps) {
        return MMSYSERR_INVALPARAM;
    }
    ZeroMemory(caps, sizeof *caps);
    caps->wTechnology = MOD_MIDIPORT;
    lstrcpynA(caps->szPname, devices[device].name.c_str(), MAXPNAMELEN);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI midiOutOpen(LPHMIDIOUT port, UINT device, DWORD_PTR, DWORD_PTR, DWORD flags)
{
    MMRESULT result = openResult;
    if (Vanished() || device >= devices.size()) {
        result = MMSYSERR_BADDEVICEID;
    } else if (flags != CALLBACK_NULL) {
        result = MMSYSERR_INVALFLAG;
    }
    if (result == MMSYSERR_NOERROR) {
        *port = reinterpret_cast<HMIDIOUT>(++opens);
        openPorts.push_back(opens);
    }
    Log("open %u %u", device, result);
    return result;
}

MMRESULT WINAPI midiOutShortMsg(HMIDIOUT port, DWORD message)
{
    const UINT_PTR number = reinterpret_cast<UINT_PTR>(port);
    MMRESULT result = MMSYSERR_INVALHANDLE;
    if (IsOpen(number)) {
        result = Vanished() ? MMSYSERR_NODRIVER : MMSYSERR_NOERROR;
    }
    acceptedSends += result == MMSYSERR_NOERROR;
    Log("send %u %08lx %u", static_cast<unsigned>(number), static_cast<unsigned long>(message), result);
    return result;
}

MMRESULT WINAPI midiOutClose(HMIDIOUT port)
{
    const UINT_PTR number = reinterpret_cast<UINT_PTR>(port);
    Log("close %u", static_cast<unsigned>(number));
    for (auto it = openPorts.begin(); it != openPorts.end(); ++it) {
        if (*it == number) {
            openPorts.erase(it);
            return Vanished() ? MMSYSERR_NODRIVER : MMSYSERR_NOERROR;
        }
    }
    return MMSYSERR_INVALHANDLE;
}

}  // extern "C"
