// MIDI Control Change messages, and the randomize pass that sends one per parameter.
#pragma once

#include "ParameterTable.h"
#include "SystemMidi.h"

#include <cstdint>

// The short message (0xB0 + channel) | controller << 8 | value << 16: status byte lowest.
constexpr std::uint32_t PackControlChange(int channel, int controller, int value)
{
    return ((0xB0u + static_cast<std::uint32_t>(channel)) & 0xFFu) |
           (static_cast<std::uint32_t>(controller) & 0xFFu) << 8 |
           (static_cast<std::uint32_t>(value) & 0xFFu) << 16;
}

// Sends one Control Change through `port`: the system's result, or MidiInvalidParameter,
// sending nothing, for a channel outside 0..15 or a controller or value outside 0..127.
// A synthesizer would read a data byte of 128 or more as the start of another message.
unsigned SendControlChange(MidiOutHandle port, int channel, int controller, int value);

// One randomize pass: for every record, in table order, a value drawn from its bounds
// (each limited to 0..127), sent as a Control Change on `channel` (0..15). Records whose
// controller is above 127 are left out. Send results are not checked: the pass goes on.
void RandomizeParameters(MidiOutHandle port, int channel, const ParameterList& table = ParameterTable);
