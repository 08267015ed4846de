#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platform {

// One entry of a window's menu: a command the window procedure is told of by its identifier, a
// separator, or a popup of further entries. Texts are code page 1250, with "&" before the letter
// that picks the entry from the keyboard.
struct MenuItem {
    enum class Kind { Command, Separator, Popup };

    Kind kind = Kind::Command;
    std::string text;
    int id = 0;
    bool checked = false;
    // A popup's entries, in order.
    std::vector<MenuItem> items;

    static MenuItem command(int id, std::string text, bool checked = false)
    {
        return MenuItem{Kind::Command, std::move(text), id, checked, {}};
    }
    static MenuItem separator() { return MenuItem{Kind::Separator, {}, 0, false, {}}; }
    static MenuItem popup(std::string text, std::vector<MenuItem> items)
    {
        return MenuItem{Kind::Popup, std::move(text), 0, false, std::move(items)};
    }
};

// A window's menu: the popups of its menu bar, in order.
using Menu = std::vector<MenuItem>;

} // namespace platform
