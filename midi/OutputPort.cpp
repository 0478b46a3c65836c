// The MIDI output device that Quorvel sends through: listing, opening and closing it.
#include "OutputPort.h"

MidiOutHandle OutputPort = nullptr;

std::vector<OutputDevice> ListOutputDevices()
{
    std::vector<OutputDevice> devices;
    // Devices can come and go while we look, so the count is asked anew every time.
    for (unsigned identifier = 0; identifier < MidiOutGetNumDevs(); ++identifier) {
        char name[MidiProductNameSize] = {};
        if (MidiOutGetProductName(identifier, name) == MidiNoError) {
            devices.push_back({name, identifier});
        }
    }
    return devices;
}

bool OpenOutputPort(unsigned deviceIdentifier)
{
    MidiOutHandle port = nullptr;
    if (MidiOutOpen(&port, deviceIdentifier) != MidiNoError) {
        return false;
    }
    OutputPort = port;
    return true;
}

void CloseOutputPort()
{
    MidiOutClose(OutputPort);
    OutputPort = nullptr;
}
