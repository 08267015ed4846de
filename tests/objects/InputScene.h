#pragma once

// A live scene whose input comes from the headless input service: keys going down and up in turns
// of their own, the held mouse buttons, and fake game controllers attached before the scene
// starts.

#include "MediaScene.h"

#include <initializer_list>
#include <string>

namespace objectstest {

// Script text of an object with handlers ("SIGNAL=code" each) given apart from its properties.
inline std::string withHandlers(const std::string& name, const std::string& type, std::initializer_list<std::string> properties,
                                std::initializer_list<std::string> handlers)
{
    std::string text = declared(name, type, properties);
    for (const std::string& handler : handlers)
        text += name + ":" + handler + "\n";
    return text;
}

class InputScene : public MediaScene {
protected:
    // A key going down or up, delivered by the next turn.
    void key(int code, bool down)
    {
        input.inject(platform::InputDevice::Keyboard, {static_cast<uint32_t>(code), down ? platform::kInputPressed : 0});
        turn();
    }
    // Down and up, in two turns.
    void tap(int code)
    {
        key(code, true);
        key(code, false);
    }
};

} // namespace objectstest
