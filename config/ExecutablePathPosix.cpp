// The running executable's path on Linux, for the native build of the portable core.
#include "ExecutablePath.h"

#include <system_error>

std::filesystem::path ExecutablePath()
{
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}
