#pragma once

#include "platform/HostWindow.h"

#include <cstdint>
#include <string>

namespace platform {

// How a modal progress dialog opens: its title, where it stands on the desktop, the status line
// above the bar and the label of its one push button. Texts are code page 1250.
struct ProgressDialogLook {
    std::string title;
    ScreenPoint origin;
    std::string status;
    std::string button;
};

// The open dialog, as its handler drives it from inside its calls (main thread).
class ProgressDialog {
public:
    virtual ~ProgressDialog() = default;

    virtual void setStatus(const std::string& text) = 0;
    virtual void setButtonText(const std::string& text) = 0;
    // The bar's position, 0 to 100 (others are brought into that range).
    virtual void setProgress(int percent) = 0;
    // The handler's onTimer every periodMs on the platform clock, until stopTimer.
    virtual void startTimer(uint32_t periodMs) = 0;
    virtual void stopTimer() = 0;
    // Closes the dialog once the handler's call returns; the run answers the result.
    virtual void end(int result) = 0;
};

// The owner of a dialog, called on the main thread while the dialog runs.
class ProgressDialogHandler {
public:
    virtual ~ProgressDialogHandler() = default;

    // The dialog is shown; before any other call.
    virtual void onOpen(ProgressDialog& dialog) = 0;
    virtual void onButton(ProgressDialog& dialog) = 0;
    // The close box, or the desktop closing the dialog.
    virtual void onClose(ProgressDialog& dialog) = 0;
    virtual void onTimer(ProgressDialog& dialog) = 0;
};

} // namespace platform
