// A stand-in for the system's MIDI output service that records every byte the program sends
// and plays the devices and faults that a test sets up.
#pragma once

#include "SystemMidi.h"

#include <cstdint>
#include <string>
#include <vector>

struct RecordedMessage {
    MidiOutHandle port;
    std::uint32_t message;
};

struct RecordingMidiService {
    // What the service offers. A device whose capsResult is not MidiNoError cannot be read.
    struct Device {
        std::string name;
        unsigned capsResult = MidiNoError;
    };
    std::vector<Device> devices;
    unsigned openResult = MidiNoError;  // what opening any device answers
    int sendsBeforeFailure = -1;        // after this many sends, every send fails; -1: never
    bool vanished = false;              // the devices are gone (unplugged): none is listed,
                                        // sends and closes answer MidiNoDriver, yet a close
                                        // still ends the port

    // What the program did.
    std::vector<unsigned> openedDevices;
    std::vector<MidiOutHandle> closedPorts;
    std::vector<RecordedMessage> sent;      // accepted messages, in order
    int refusedSends = 0;                   // sends that failed

    std::vector<MidiOutHandle> openPorts;   // ports opened and not yet closed

    // The bytes of every accepted message, three per message, in order.
    std::vector<std::uint8_t> SentBytes() const;
};

// The process-wide stand-in; Reset() gives a service with no devices and nothing recorded.
RecordingMidiService& RecordingMidi();
void ResetRecordingMidi();
