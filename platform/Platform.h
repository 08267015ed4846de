#pragma once

namespace platform {

// The services a program runs on, as one choice: SDL and the system's own, or the headless ones
// of tests. The program installs them in the process-wide service slots for its run and takes
// them out at its end.
class Platform {
public:
    virtual ~Platform() = default;

    virtual void install() = 0;
    virtual void uninstall() = 0;

protected:
    // Every slot the platforms fill back to its own service: SDL and the system.
    static void restoreDefaults();
};

} // namespace platform
