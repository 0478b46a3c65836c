// Where the running program's executable lies; one implementation per operating system.
#pragma once

#include <filesystem>

// The full path of the running executable, of any length and in any script the file
// system allows, or an empty path if the system cannot tell.
std::filesystem::path ExecutablePath();
