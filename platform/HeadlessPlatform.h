#pragma once

#include "platform/FileRegistry.h"
#include "platform/HeadlessAudioDevice.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessInput.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "platform/PdfPrinter.h"
#include "platform/Platform.h"
#include "platform/ProgramLauncher.h"
#include "platform/TimerService.h"

#include <string>

namespace platform {

// The headless services for a program run in a test: the manual clock (which the program's own
// sleeps move on), manual timers, a sound device that mixes on that clock, a framebuffer display,
// recorded windows, message boxes, dialogs and program starts, injected input, and the folder the
// test gives for the lock files, the registry's files and the printed pages (PDF files).
class HeadlessPlatform final : public Platform {
public:
    explicit HeadlessPlatform(std::string folder)
        : registry(folder), printer(folder, PaperSize{}), lockFolder_(std::move(folder))
    {
    }

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
    FileRegistry registry;
    PdfPrinter printer;

private:
    std::string lockFolder_;
};

} // namespace platform
