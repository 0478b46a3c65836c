// The system's MIDI output service, as Quorvel uses it. One implementation talks to the
// operating system; tests link a recording stand-in instead, which keeps every byte sent.
#pragma once

#include <cstddef>
#include <cstdint>

struct MidiOutDevice;
using MidiOutHandle = MidiOutDevice*;  // an open output device; nullptr is none

// The system's result codes that Quorvel tells apart (MMSYSERR_*): 0 is success.
enum MidiResult : unsigned {
    MidiNoError = 0,
    MidiBadDeviceId = 2,
    MidiInvalidHandle = 5,
    MidiNoDriver = 6,
    MidiInvalidParameter = 11,
};

// Room for a device's product name, its terminating NUL included (MAXPNAMELEN).
constexpr std::size_t MidiProductNameSize = 32;

// midiOutGetNumDevs: how many output devices the system has now (0 if there is no
// MIDI service at all).
unsigned MidiOutGetNumDevs();

// midiOutGetDevCapsA, reduced to the product name: MidiNoError when `name` was filled
// with a NUL-terminated name.
unsigned MidiOutGetProductName(unsigned deviceId, char (&name)[MidiProductNameSize]);

// midiOutOpen without a callback: MidiNoError with `*port` set to the open device.
unsigned MidiOutOpen(MidiOutHandle* port, unsigned deviceId);

// midiOutShortMsg: sends a packed message of up to three bytes, status byte lowest.
unsigned MidiOutShortMsg(MidiOutHandle port, std::uint32_t message);

// midiOutClose.
unsigned MidiOutClose(MidiOutHandle port);
