#pragma once

#include <string>

namespace platform {

// The system's print spooler, through a program that takes files the way CUPS's lp does.
class Spooler {
public:
    // Runs `program -t title -- file` without a shell (a program without a slash is looked for on
    // PATH) and waits for it; its output is dropped. True when it took the file: it ran and ended
    // with status 0. The title is code page 1250; the file a native path.
    static bool submit(const std::string& program, const std::string& file, const std::string& title);
};

} // namespace platform
