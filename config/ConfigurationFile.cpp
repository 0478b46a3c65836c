// Reading a configuration file of synthesizer parameters, one parameter per line.
#include "ConfigurationFile.h"

#include "TokenSplitter.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace {

constexpr const char* kFieldDelimiters = " \t\n";
constexpr char kEndOfFile = '\x1A';  // Ctrl-Z, which ends a text file on Windows

bool IsLeadingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void AppendParameterLine(const std::string& line, ParameterList& table)
{
    // What a C string sees: the line up to its first NUL byte.
    const char* visible = line.c_str();
    if (visible[0] == '\0' || visible[0] == '#') {
        return;
    }
    TokenSplitter splitter(visible);
    SynthParameter parameter;
    parameter.name = splitter.NextToken(kFieldDelimiters);
    if (parameter.name.empty()) {
        return;  // only blanks and tabs: as good as an empty line
    }
    parameter.controller = NumberFieldByte(splitter.NextToken(kFieldDelimiters));
    parameter.minimum = NumberFieldByte(splitter.NextToken(kFieldDelimiters));
    parameter.maximum = NumberFieldByte(splitter.NextToken(kFieldDelimiters));
    table.push_back(std::move(parameter));
}

}  // namespace

std::filesystem::path ConfigurationPathFor(const std::filesystem::path& executable)
{
    auto text = executable.native();
    if (text.size() < 3) {
        return {};
    }
    text.resize(text.size() - 3);
    for (const char c : {'c', 'f', 'g'}) {
        text.push_back(static_cast<std::filesystem::path::value_type>(c));
    }
    return std::filesystem::path(text);
}

bool LoadConfigurationFile(const std::filesystem::path& path, ParameterList& table)
{
    // A folder opens for reading on some systems and not on others; it is never a file.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return false;
    }
    // Binary mode, with the text-mode rules applied below, so that every platform reads
    // the same file the same way.
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file.is_open()) {
        return false;
    }
    LoadConfigurationStream(file, table);
    return true;
}

void LoadConfigurationStream(std::istream& in, ParameterList& table)
{
    std::string line;
    bool more = true;
    while (more && std::getline(in, line)) {
        const bool endedByLineFeed = !in.eof();
        const std::size_t endOfFile = line.find(kEndOfFile);
        if (endOfFile != std::string::npos) {
            line.erase(endOfFile);
            more = false;
        } else if (endedByLineFeed && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        AppendParameterLine(line, table);
    }
}

std::uint8_t NumberFieldByte(const std::string& field)
{
    std::size_t at = 0;
    while (at < field.size() && IsLeadingSpace(field[at])) {
        ++at;
    }
    bool negative = false;
    if (at < field.size() && (field[at] == '+' || field[at] == '-')) {
        negative = field[at] == '-';
        ++at;
    }
    // Unsigned arithmetic wraps modulo 2^32, which keeps the low 8 bits exact.
    std::uint32_t value = 0;
    for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
        value = value * 10u + static_cast<std::uint32_t>(field[at] - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::uint8_t>(value & 0xFFu);
}
