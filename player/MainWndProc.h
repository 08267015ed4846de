#pragma once

#include "platform/WindowEvents.h"

class CWindow;

// The window procedure of the player's main window: what the desktop tells of the window goes to
// the window host, the menu's commands to OnWindowCommand. Mouse presses and moves are not
// forwarded: they reach the engine through the input poller; only double clicks come this way.
class MainWndProc final : public platform::WindowEvents {
public:
    // The lowest client row the engine is told of when the window moves.
    static constexpr int kLowestClientRow = 800;

    explicit MainWndProc(CWindow* window) : window_(window) {}

    // In window mode the whole screen is drawn again; while inactive at once, since no turn draws
    // then. Never more than an exposure asks for, so partial redraws stay partial.
    void onPaint() override;
    void onActivate(bool active) override;
    void onMove(int x, int y) override;
    // Ends the input polling and posts the quit message.
    void onClose() override;
    void onCommand(int id) override;
    // Taken only while the application is active.
    void onDoubleClick(int x, int y) override;

private:
    CWindow* window_;
};
