#include "platform/MenuNavigator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::MenuItem;
using platform::MenuNavigator;
using Kind = MenuNavigator::Button::Kind;

// The buttons of the page as "text" for commands, "text>" for popups, "[x] text" when checked.
std::vector<std::string> page(const MenuNavigator& navigator)
{
    std::vector<std::string> shown;
    for (const auto& button : navigator.buttons()) {
        std::string text = button.checked ? "[x] " : "";
        text += button.text;
        if (button.kind == Kind::Popup)
            text += ">";
        shown.push_back(text);
    }
    return shown;
}

platform::Menu gameMenu()
{
    std::vector<MenuItem> scenes;
    for (int i = 0; i < 8; ++i)
        scenes.push_back(MenuItem::command(i, std::string(1, 'S') += std::to_string(i)));
    scenes.push_back(MenuItem::separator());
    scenes.push_back(MenuItem::command(100, "Tamzora WEB.1.0.5"));
    return {MenuItem::popup("GAME", scenes),
            MenuItem::popup("&Program", {MenuItem::command(40004, "&Redraw"), MenuItem::command(40007, "Message Box", true),
                                         MenuItem::separator(), MenuItem::command(40001, "&Exit")})};
}

TEST(MenuNavigator, WalksPopupsAndPagesAndGivesTheCommandChosen)
{
    const platform::Menu menu = gameMenu();
    MenuNavigator navigator(menu);
    EXPECT_EQ(navigator.title(), "");
    EXPECT_EQ(page(navigator), (std::vector<std::string>{"GAME>", "Program>", "Close"}));

    EXPECT_EQ(navigator.press(1), std::nullopt);
    EXPECT_EQ(navigator.title(), "Program");
    EXPECT_EQ(page(navigator), (std::vector<std::string>{"Redraw", "[x] Message Box", "Exit", "Back", "Close"}));
    EXPECT_EQ(navigator.press(3), std::nullopt); // back to the bar

    navigator.press(0);
    EXPECT_EQ(navigator.title(), "GAME");
    EXPECT_EQ(page(navigator), (std::vector<std::string>{"S0", "S1", "S2", "S3", "S4", "S5", "More...", "Back", "Close"}));
    navigator.press(6);
    EXPECT_EQ(page(navigator), (std::vector<std::string>{"S6", "S7", "Tamzora WEB.1.0.5", "Back", "Close"}));
    EXPECT_EQ(navigator.press(5), std::nullopt); // off the page: nothing changes
    EXPECT_EQ(navigator.buttons().size(), 5u);
    navigator.press(3);
    EXPECT_EQ(page(navigator).front(), "S0");

    EXPECT_EQ(navigator.press(2), 2);
    EXPECT_FALSE(navigator.isOpen());
    EXPECT_TRUE(navigator.buttons().empty());
}

TEST(MenuNavigator, CloseEndsWithoutACommandAndAnEmptyMenuOffersOnlyClose)
{
    const platform::Menu menu = gameMenu();
    MenuNavigator navigator(menu);
    navigator.press(1);
    EXPECT_EQ(navigator.press(4), std::nullopt);
    EXPECT_FALSE(navigator.isOpen());

    const platform::Menu none;
    MenuNavigator empty(none);
    EXPECT_EQ(page(empty), (std::vector<std::string>{"Close"}));
}

TEST(MenuNavigator, ShowsTextsWithoutTheirKeyboardMarks)
{
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {{"&Exit", "Exit"}, {"A&ll", "All"}, {"R&&D", "R&D"}, {"End&", "End"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(MenuNavigator::withoutMarks(c.text), c.shown) << c.text;
}

} // namespace
