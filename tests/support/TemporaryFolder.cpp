// A folder of its own for one test, with the small files the test writes; removed afterwards.
#include "TemporaryFolder.h"

#include <chrono>
#include <fstream>
#include <random>
#include <stdexcept>

TemporaryFolder::TemporaryFolder()
{
    std::random_device entropy;
    std::mt19937_64 generator(entropy() ^ static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("quorvel-test-" + std::to_string(generator()));
        if (std::filesystem::create_directory(candidate)) {
            path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::filesystem::path TemporaryFolder::WriteFile(const std::string& name, const std::string& bytes) const
{
    const auto file = path / name;
    std::ofstream out(file, std::ios::out | std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return file;
}
