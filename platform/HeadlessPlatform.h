#pragma once

#include "platform/HeadlessAudioDevice.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessInput.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "platform/Platform.h"
#include "platform/ProgramLauncher.h"
#include "platform/TimerService.h"

#include <string>

namespace platform {

// The headless services for a program run in a test: the manual clock (which the program's own
// sleeps move on), manual timers, a sound device that mixes on that clock, a framebuffer display,
// recorded windows, message boxes and program starts, injected input, and the lock folder the
// test gives.
class HeadlessPlatform final : public Platform {
public:
    explicit HeadlessPlatform(std::string lockFolder) : lockFolder_(std::move(lockFolder)) {}

    void install() override;
    // Every slot back to its own service.
    void uninstall() override;

    ManualClock clock;
    TimerService timers{TimerService::Mode::Manual, &clock};
    HeadlessAudioDevice audio{8000, 1, &clock};
    HeadlessDisplay display;
    HeadlessWindowSystem windowSystem;
    HeadlessInput input;
    HeadlessProgramLauncher programs;

private:
    std::string lockFolder_;
};

} // namespace platform
