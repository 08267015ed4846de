#pragma once

namespace platform {

// What the window system's pump tells about the host window. Calls come on the main thread, from
// inside WindowSystem::pumpEvents.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;

    // Part of the window was uncovered and must be drawn again. Only real exposures count: a
    // window system that asks for paint every turn would turn partial redraws into full ones.
    virtual void onPaint() = 0;
    // The application gained (true) or lost the input focus.
    virtual void onActivate(bool active) = 0;
    // The client area's top-left corner is now at (x, y) on the desktop.
    virtual void onMove(int x, int y) = 0;
    // The user asked to close the window (its close box, the session ending).
    virtual void onClose() = 0;
    // The user chose the command of the window's menu with this identifier.
    virtual void onCommand(int id) = 0;
    // The left button was pressed twice in quick succession at (x, y) of the client area.
    virtual void onDoubleClick(int x, int y) = 0;
};

} // namespace platform
