#pragma once

#include "platform/ProgressDialog.h"

#include <cstdint>

union SDL_Event;

namespace platform {

class ProgressDialogModel;

// The platform's modal progress dialog as a small SDL window of its own, painted by
// ProgressDialogPainter: its button is pressed by a click, Space or Enter, and its close box
// closes it. Without a desktop the dialog runs unattended, its status lines written to stderr,
// its button pressed once its label changed. Main thread only.
class SdlProgressDialog {
public:
    static int run(const ProgressDialogLook& look, ProgressDialogHandler& handler);

private:
    static void runUnseen(ProgressDialogModel& dialog, ProgressDialogHandler& handler);
    // The press an event of the dialog's window makes, passed to the handler.
    static void handleEvent(const SDL_Event& event, uint32_t windowId, bool& pressedOnButton, ProgressDialogModel& dialog,
                            ProgressDialogHandler& handler);
};

} // namespace platform
