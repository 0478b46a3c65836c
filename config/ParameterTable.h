// The synthesizer parameters that Quorvel randomizes, as read from its configuration file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct SynthParameter {
    std::string name;             // a label for the reader of the file; nothing else reads it
    std::uint8_t controller = 0;  // MIDI controller number
    std::uint8_t minimum = 0;     // bounds of the random value, inclusive
    std::uint8_t maximum = 0;
};

using ParameterList = std::vector<SynthParameter>;

// The process-wide table, in the order of the lines in the file. Only appended to.
extern ParameterList ParameterTable;

// The configuration file: the executable's own path with its last three characters
// replaced by "cfg", so Quorvel.exe reads Quorvel.cfg from its own folder.
std::filesystem::path ConfigurationPath();

// Reads ConfigurationPath() into ParameterTable. False only when the file cannot be
// opened; the table is then unchanged.
bool LoadConfiguration();
