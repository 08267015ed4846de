#pragma once

#include "platform/MenuItem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Walks a menu a page of buttons at a time, for desktops that can only ask the user to press one
// of a few buttons (message boxes): the popups of the menu bar first, then the entries of the
// popup chosen, a page at a time, with buttons to page on, go back and close. Separators are left
// out.
class MenuNavigator {
public:
    struct Button {
        enum class Kind { Command, Popup, More, Back, Close };
        Kind kind = Kind::Close;
        // Code page 1250, without the "&" marks.
        std::string text;
        bool checked = false;
    };
    static constexpr size_t kPageSize = 6;

    explicit MenuNavigator(const Menu& menu);

    bool isOpen() const { return !levels_.empty(); }
    // The popups open, from the bar down, joined by " > "; empty at the bar.
    std::string title() const;
    // The buttons of the page shown; none once closed.
    const std::vector<Button>& buttons() const { return buttons_; }
    // Presses a button of the page. A command gives its identifier and closes the menu; any other
    // button shows another page, goes back or closes. Nothing for an index off the page.
    std::optional<int> press(size_t index);

    // "&Exit" as shown: "Exit"; "&&" stays one "&".
    static std::string withoutMarks(const std::string& text);

private:
    struct Level {
        const std::vector<MenuItem>* items;
        std::string title;
        size_t page;
    };

    void layOut();
    void back();

    std::vector<Level> levels_;
    std::vector<Button> buttons_;
    // The entry each button of the page stands for; null for the paging buttons.
    std::vector<const MenuItem*> entries_;
};

} // namespace platform
