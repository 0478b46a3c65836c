// The MIDI output device that Quorvel sends through: listing, opening and closing it.
#pragma once

#include "SystemMidi.h"

#include <string>
#include <vector>

// The open output device, or nullptr while none is open.
extern MidiOutHandle OutputPort;

struct OutputDevice {
    std::string name;         // the product name the system reports
    unsigned identifier = 0;  // the system's 0-based device number
};

// Every output device whose capabilities can be read, in rising identifier order. A
// device that cannot be read is left out, so identifiers can have gaps: keep each one
// with its entry. The system's mapper is never listed.
std::vector<OutputDevice> ListOutputDevices();

// Opens the device as OutputPort (which must be none). True on success; otherwise
// OutputPort stays none.
bool OpenOutputPort(unsigned deviceIdentifier);

// Closes OutputPort and sets it to none.
void CloseOutputPort();
