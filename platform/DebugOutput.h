#pragma once

#include <atomic>
#include <cstdio>
#include <string_view>

namespace platform {

// Where the engine's debugger-output messages go: a stream (stderr for the process), written only
// while enabled (the program's debug option), converted from code page 1250 to UTF-8. One message
// is one write, so messages of different threads do not interleave.
class DebugOutput {
public:
    explicit DebugOutput(std::FILE* stream);

    void write(std::string_view cp1250Text);
    void setEnabled(bool enabled) { enabled_.store(enabled, std::memory_order_relaxed); }
    bool enabled() const { return enabled_.load(std::memory_order_relaxed); }

private:
    std::FILE* stream_;
    std::atomic<bool> enabled_{false};
};

// The debug output of the process: stderr, silent until enabled.
DebugOutput& debugOutput();
// Installs a debug output for the whole process (tests); null restores the real one.
void setDebugOutput(DebugOutput* replacement);

} // namespace platform
