// How fast Quorvel loads a configuration and runs a randomize pass, each beside a baseline
// measured in the same run: a bare line-by-line read of the same file, and the time a
// message takes on a MIDI cable.
#include "ConfigurationFile.h"
#include "ControlChange.h"
#include "OutputPort.h"
#include "RandomSource.h"
#include "RecordingMidi.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kLines = 100000;
// A three-byte message at 31,250 baud: 30 bits (start, 8 data, stop per byte) of 32 µs.
constexpr double kCableSecondsPerMessage = 960e-6;

// A 100,000-line configuration, written once for the whole run and removed at its end.
class LargeConfiguration {
public:
    LargeConfiguration()
    {
        path = std::filesystem::temp_directory_path() / ("quorvel-bench-" + std::to_string(::getpid()) + ".cfg");
        std::ofstream out(path, std::ios::binary);
        out << "# a large sound set\n";
        for (int i = 1; i < kLines; ++i) {
            out << "Parameter" << i << '\t' << i % 128 << ' ' << i % 50 << ' ' << 64 + i % 64 << "\r\n";
        }
        out.close();
        bytes = std::filesystem::file_size(path);
    }
    ~LargeConfiguration() { std::filesystem::remove(path); }
    std::filesystem::path path;
    std::uintmax_t bytes = 0;
};

const LargeConfiguration& Configuration()
{
    static const LargeConfiguration configuration;
    return configuration;
}

void Report(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * kLines);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Configuration().bytes));
}

// The baseline: every line read with std::getline and nothing done with it.
void ReadLinesBaseline(benchmark::State& state)
{
    const auto& path = Configuration().path;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        std::size_t lines = 0;
        while (std::getline(in, line)) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    Report(state);
}
BENCHMARK(ReadLinesBaseline)->Unit(benchmark::kMillisecond);

void LoadConfiguration(benchmark::State& state)
{
    const auto& path = Configuration().path;
    for (auto _ : state) {
        ParameterList table;
        LoadConfigurationFile(path, table);
        benchmark::DoNotOptimize(table.data());
    }
    Report(state);
}
BENCHMARK(LoadConfiguration)->Unit(benchmark::kMillisecond);

// One pass over 128 records against the recording stand-in. The counters give the time per
// message, and that time as a fraction of what the message takes on the cable.
void RandomizePass(benchmark::State& state)
{
    ParameterList table;
    for (int controller = 0; controller < 128; ++controller) {
        table.push_back({"P" + std::to_string(controller), static_cast<std::uint8_t>(controller), 0, 127});
    }
    ResetRecordingMidi();
    RecordingMidi().devices = {{"Synth"}};
    OpenOutputPort(0);
    RecordingMidi().sent.reserve(table.size());
    FirstDraw = false;
    for (auto _ : state) {
        RecordingMidi().sent.clear();  // keeps its room: no allocation in the pass
        RandomizeParameters(OutputPort, 0, table);
    }
    CloseOutputPort();
    const double messages = static_cast<double>(state.iterations()) * static_cast<double>(table.size());
    state.SetItemsProcessed(static_cast<std::int64_t>(messages));
    state.counters["s_per_message"] = benchmark::Counter(messages, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["of_cable_time"] = benchmark::Counter(messages * kCableSecondsPerMessage,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(RandomizePass);

}  // namespace

BENCHMARK_MAIN();
