// MIDI Control Change messages, and the randomize pass that sends one per parameter.
#include "ControlChange.h"

#include "RandomSource.h"

#include <algorithm>

namespace {
constexpr int kHighestDataValue = 127;

bool IsDataByte(int value)
{
    return value >= 0 && value <= kHighestDataValue;
}
}  // namespace

unsigned SendControlChange(MidiOutHandle port, int channel, int controller, int value)
{
    if (channel < 0 || channel > 15 || !IsDataByte(controller) || !IsDataByte(value)) {
        return MidiInvalidParameter;
    }
    return MidiOutShortMsg(port, PackControlChange(channel, controller, value));
}

void RandomizeParameters(MidiOutHandle port, int channel, const ParameterList& table)
{
    for (const SynthParameter& parameter : table) {
        if (!IsDataByte(parameter.controller)) {
            continue;
        }
        const int value = RandomInRange(std::min<int>(parameter.minimum, kHighestDataValue),
                                        std::min<int>(parameter.maximum, kHighestDataValue));
        SendControlChange(port, channel, parameter.controller, value);
    }
}
