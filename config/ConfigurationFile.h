// Reading a configuration file of synthesizer parameters, one parameter per line.
#pragma once

#include "ParameterTable.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

// The executable's path with its last three characters replaced by "cfg"; an empty path
// when there is nothing to replace.
std::filesystem::path ConfigurationPathFor(const std::filesystem::path& executable);

// Appends one SynthParameter per parameter line of the file at `path` to `table`.
//
// The file is read as Windows reads text files, identically on every platform: a line ends
// at a line feed, a carriage return right before it is dropped, and a Ctrl-Z byte ends the
// file. Lines may be of any length. A line is skipped when it is empty, starts with '#', or
// holds only blanks and tabs; a NUL byte ends what is seen of a line. Up to four fields,
// separated by blanks and tabs: name, controller, minimum, maximum; missing fields give 0.
//
// Returns false, leaving `table` unchanged, only when the file cannot be opened; an empty
// file, or one of comments only, gives true.
bool LoadConfigurationFile(const std::filesystem::path& path, ParameterList& table);

// The same rules applied to bytes already open for reading (the stream should be binary,
// so that nothing translates line ends or stops at Ctrl-Z first). Appends to `table`.
void LoadConfigurationStream(std::istream& in, ParameterList& table);

// A number field as a byte: optional leading white space, an optional sign, then decimal
// digits up to the first other character (none gives 0). The result is the number's low
// 8 bits, so "-1", "300" and "12abc" give 255, 44 and 12; overflow wraps, the same on
// every platform.
std::uint8_t NumberFieldByte(const std::string& field);
