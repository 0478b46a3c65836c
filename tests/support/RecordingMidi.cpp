// A stand-in for the system's MIDI output service that records every byte the program sends
// and plays the devices and faults that a test sets up.
#include "RecordingMidi.h"

#include <algorithm>
#include <cstring>

namespace {
RecordingMidiService service;
std::uintptr_t nextHandle = 0x1000;

bool IsOpen(MidiOutHandle port)
{
    return std::find(service.openPorts.begin(), service.openPorts.end(), port) != service.openPorts.end();
}
}  // namespace

std::vector<std::uint8_t> RecordingMidiService::SentBytes() const
{
    std::vector<std::uint8_t> bytes;
    for (const auto& record : sent) {
        for (int shift = 0; shift < 24; shift += 8) {
            bytes.push_back(static_cast<std::uint8_t>(record.message >> shift));
        }
    }
    return bytes;
}

RecordingMidiService& RecordingMidi()
{
    return service;
}

void ResetRecordingMidi()
{
    service = RecordingMidiService();
}

unsigned MidiOutGetNumDevs()
{
    return service.vanished ? 0u : static_cast<unsigned>(service.devices.size());
}

unsigned MidiOutGetProductName(unsigned deviceId, char (&name)[MidiProductNameSize])
{
    if (service.vanished || deviceId >= service.devices.size()) {
        return MidiBadDeviceId;
    }
    const auto& device = service.devices[deviceId];
    if (device.capsResult == MidiNoError) {
        std::memset(name, 0, MidiProductNameSize);
        device.name.copy(name, MidiProductNameSize - 1);
    }
    return device.capsResult;
}

unsigned MidiOutOpen(MidiOutHandle* port, unsigned deviceId)
{
    if (service.vanished || deviceId >= service.devices.size()) {
        return MidiBadDeviceId;
    }
    if (service.openResult != MidiNoError) {
        return service.openResult;
    }
    *port = reinterpret_cast<MidiOutHandle>(nextHandle);
    nextHandle += 0x10;
    service.openedDevices.push_back(deviceId);
    service.openPorts.push_back(*port);
    return MidiNoError;
}

unsigned MidiOutShortMsg(MidiOutHandle port, std::uint32_t message)
{
    if (!IsOpen(port)) {
        ++service.refusedSends;
        return MidiInvalidHandle;
    }
    if (service.vanished) {
        ++service.refusedSends;
        return MidiNoDriver;
    }
    if (service.sendsBeforeFailure >= 0 && static_cast<int>(service.sent.size()) >= service.sendsBeforeFailure) {
        ++service.refusedSends;
        return MidiNoDriver;
    }
    service.sent.push_back({port, message});
    return MidiNoError;
}

unsigned MidiOutClose(MidiOutHandle port)
{
    service.closedPorts.push_back(port);
    if (!IsOpen(port)) {
        return MidiInvalidHandle;
    }
    service.openPorts.erase(std::find(service.openPorts.begin(), service.openPorts.end(), port));
    return service.vanished ? MidiNoDriver : MidiNoError;
}
