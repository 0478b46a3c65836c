// A folder of its own for one test, with the small files the test writes; removed afterwards.
#pragma once

#include <filesystem>
#include <string>

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }

    // Writes `bytes` unchanged (binary) to a file of that name in the folder; returns its path.
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path;
};
