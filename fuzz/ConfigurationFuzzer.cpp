// Feeds arbitrary bytes to the configuration loader and the randomize pass, and checks that
// whatever a shared file holds, only valid Control Change messages leave the program.
//
// Input: byte 0 chooses the channel (low 4 bits) and the number of passes (1 + bits 4..5);
// byte 1 is how many sends the driver accepts before it fails (255: no failure); bytes 2..5
// seed the random values; the rest is the configuration file.
#include "ConfigurationFile.h"
#include "ControlChange.h"
#include "OutputPort.h"
#include "RandomSource.h"
#include "RecordingMidi.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <sstream>
#include <string>

namespace {

constexpr std::size_t kHeaderSize = 6;

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

std::size_t CountLines(const std::string& text)
{
    std::size_t lines = 1;
    for (const char c : text) {
        lines += c == '\n';
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kHeaderSize) {
        return 0;
    }
    const int channel = data[0] & 0x0F;
    const int passes = 1 + ((data[0] >> 4) & 0x03);
    const int sendsBeforeFailure = data[1] == 0xFF ? -1 : data[1];
    const std::uint32_t seed = static_cast<std::uint32_t>(data[2]) | static_cast<std::uint32_t>(data[3]) << 8 |
                               static_cast<std::uint32_t>(data[4]) << 16 | static_cast<std::uint32_t>(data[5]) << 24;
    const std::string file(reinterpret_cast<const char*>(data) + kHeaderSize, size - kHeaderSize);

    ParameterList table;
    std::istringstream in(file, std::ios::in | std::ios::binary);
    LoadConfigurationStream(in, table);
    Require(table.size() <= CountLines(file), "no more records than lines");
    std::size_t sendable = 0;
    for (const auto& parameter : table) {
        Require(!parameter.name.empty(), "every record has a name");
        Require(parameter.name.find_first_of(std::string(" \t\n\0\x1A", 5)) == std::string::npos,
                "a name holds no separator, NUL or Ctrl-Z");
        sendable += parameter.controller < 128;
    }

    ResetRecordingMidi();
    RecordingMidi().devices = {{"Synth"}};
    RecordingMidi().sendsBeforeFailure = sendsBeforeFailure;
    Require(OpenOutputPort(0), "the stand-in opens");
    FirstDraw = false;
    SeedGenerator(seed);

    const auto& sent = RecordingMidi().sent;
    for (int pass = 0; pass < passes; ++pass) {
        const std::size_t before = sent.size();
        const int refusedBefore = RecordingMidi().refusedSends;
        RandomizeParameters(OutputPort, channel, table);
        const std::size_t accepted = sent.size() - before;
        const std::size_t refused = static_cast<std::size_t>(RecordingMidi().refusedSends - refusedBefore);
        Require(accepted <= table.size(), "no more messages per pass than records");
        Require(accepted + refused == sendable, "every sendable record is tried once, failing or not");
        for (std::size_t i = before; i < sent.size(); ++i) {
            const std::uint32_t message = sent[i].message;
            Require(sent[i].port == OutputPort, "sent through the open port");
            Require((message & 0xFFu) == 0xB0u + static_cast<unsigned>(channel), "Control Change on the channel");
            Require(((message >> 8) & 0xFFu) < 128, "controller is a data byte");
            Require(((message >> 16) & 0xFFu) < 128, "value is a data byte");
            Require((message >> 24) == 0, "a three-byte message");
        }
    }
    CloseOutputPort();
    Require(RecordingMidi().openPorts.empty(), "the port is closed again");
    return 0;
}
