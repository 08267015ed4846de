#pragma once

#include "platform/MenuItem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Left and top inside, right and bottom just outside.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const ScreenRect&) const = default;
};

// The cursors the engine shows over its window. None shows no cursor at all.
enum class CursorShape { None, Arrow, Hand, Wait };

// What the window is opened as. The title is code page 1250, like every engine text.
struct WindowSettings {
    std::string title;
    ScreenSize clientSize{800, 600};
    bool framed = true;
    bool fullScreen = false;
    // A window opened hidden is shown by show(), once the game is loaded.
    bool visible = true;
};

// The picture the desktop shows for a window (title bar, task list): rows top down, each pixel
// 0xAARRGGBB.
struct WindowIcon {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// The one desktop window the engine draws into and takes input from. Positions are in desktop
// pixels and always name the client area (the part inside any frame). Main thread only.
class HostWindow {
public:
    virtual ~HostWindow() = default;

    virtual void setTitle(const std::string& cp1250Title) = 0;
    virtual void show() = 0;
    // Down to the task list, as its minimise button does.
    virtual void minimize() = 0;
    // The client area's top-left corner on the desktop.
    virtual ScreenPoint clientOrigin() const = 0;
    virtual void moveClient(ScreenPoint origin, ScreenSize size) = 0;
    // How far a client area may reach: the desktop of the window's display less what the desktop
    // keeps for itself (panels, docks).
    virtual ScreenSize usableDesktop() const = 0;

    virtual void setCursor(CursorShape shape) = 0;
    // The desktop's cursor show count: true raises it, false lowers it; the cursor shows while the
    // count is 0 or more. Returns the new count.
    virtual int showCursor(bool show) = 0;
    // Puts the pointer at a point of the client area (client pixels).
    virtual void warpCursor(ScreenPoint clientPoint) = 0;
    // Keeps the pointer within a rectangle of the client area (client pixels) while the window
    // has the focus; null frees it.
    virtual void confineCursor(const ScreenRect* clientRect) = 0;

    virtual void setIcon(const WindowIcon& icon) = 0;
    // The window keeps a copy of the menu; null takes its menu away. The window system opens it
    // from the keyboard and the mouse and tells the window procedure the command chosen.
    virtual void setMenu(const Menu* menu) = 0;
    // Null while the window has no menu.
    virtual const Menu* menu() const = 0;
};

} // namespace platform
