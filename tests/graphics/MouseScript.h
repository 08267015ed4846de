#pragma once

// Mouse events for a window written as words: "m x,y" moves there, "l+" / "l-" press and release
// the left button and "r+" presses the right one, where the last move went.

#include "graphics/CWindow.h"

#include <sstream>
#include <string>

namespace graphicstest {

inline void runMouse(CWindow& window, const std::string& events, CXPoint& at)
{
    std::istringstream words(events);
    for (std::string word; words >> word;) {
        if (word == "m") {
            char comma;
            words >> at.x >> comma >> at.y;
            window.OnMouseMove(at, 0);
        } else if (word == "l+") {
            window.OnLButtonDown(at, 0);
        } else if (word == "l-") {
            window.OnLButtonUp(at, 0);
        } else if (word == "r+") {
            window.OnRButtonDown(at, 0);
        }
    }
}

} // namespace graphicstest
