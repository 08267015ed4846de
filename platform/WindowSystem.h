#pragma once

#include "platform/HostWindow.h"

#include <memory>
#include <string>

namespace platform {

class ProgressDialogHandler;
class WindowEvents;
struct ProgressDialogLook;

// The desktop side of the engine's window: opening the host window, the event pump of the main
// thread, the quit message and message boxes. Main thread only.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Null when the desktop refuses the window.
    virtual std::unique_ptr<HostWindow> openWindow(const WindowSettings& settings) = 0;
    // Takes every waiting event: window events go to the handler (dropped when it is null), key,
    // mouse and focus events to the input service. False once the quit message was posted: the
    // main loop ends then.
    virtual bool pumpEvents(WindowEvents* handler) = 0;
    virtual void postQuit() = 0;
    // A modal message box with an OK button, over the owner window when there is one; texts are
    // code page 1250.
    virtual void showMessage(const std::string& caption, const std::string& text, HostWindow* owner) = 0;
    // A modal question with two buttons, over the owner window when there is one: true for the
    // first (Enter), false for the second (Escape, closing the box, or a desktop that cannot show
    // it). Texts and labels are code page 1250.
    virtual bool ask(const std::string& caption, const std::string& text, const std::string& confirm,
                     const std::string& refuse, HostWindow* owner) = 0;
    // The question with the buttons Yes and No.
    bool askYesNo(const std::string& caption, const std::string& text, HostWindow* owner)
    {
        return ask(caption, text, "Tak", "Nie", owner);
    }
    // Shows a modal progress dialog and runs it, its handler called on this thread, until the
    // handler ends it; the result the handler gave.
    virtual int runProgressDialog(const ProgressDialogLook& look, ProgressDialogHandler& handler) = 0;
};

// The window system of the process: SDL unless one was installed.
WindowSystem& windowSystem();
// Installs a window system for the whole process (tests); null restores the SDL one.
void setWindowSystem(WindowSystem* replacement);

} // namespace platform
