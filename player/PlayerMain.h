#pragma once

#include <string>
#include <vector>

namespace platform {
class Platform;
}

// The player program: one run of the game in the current folder on the platform's services,
// which are installed for the run. The arguments are the program's, its name left out, in UTF-8.
// Returns the process's exit code.
int playerMain(const std::vector<std::string>& arguments, platform::Platform& platform);
