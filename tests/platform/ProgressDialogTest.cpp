// The modal progress dialog: its model run unattended on the manual clock, the headless window
// system's questions and dialogs, the SDL dialog under the dummy video driver, and its painting.
#include "platform/BitmapFont.h"
#include "platform/Clock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "platform/ProgressDialogModel.h"
#include "platform/ProgressDialogPainter.h"
#include "platform/SdlWindowSystem.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Press = platform::ProgressDialogModel::Press;

// Each call runs the test's step for it; the calls are journaled.
class ScriptedHandler : public platform::ProgressDialogHandler {
public:
    using Step = std::function<void(platform::ProgressDialog&)>;

    void onOpen(platform::ProgressDialog& dialog) override { run("open", opened, dialog); }
    void onButton(platform::ProgressDialog& dialog) override { run("button", pressed, dialog); }
    void onClose(platform::ProgressDialog& dialog) override { run("close", closed, dialog); }
    void onTimer(platform::ProgressDialog& dialog) override { run("timer", ticked, dialog); }

    Step opened, pressed, closed, ticked;
    std::vector<std::string> calls;

private:
    void run(const char* name, const Step& step, platform::ProgressDialog& dialog)
    {
        calls.push_back(name);
        if (step)
            step(dialog);
    }
};

class ProgressDialog : public ::testing::Test {
protected:
    void SetUp() override { platform::setClock(&clock); }
    void TearDown() override { platform::setClock(nullptr); }

    platform::ManualClock clock;
    platform::HeadlessWindowSystem windows;
};

TEST_F(ProgressDialog, RunsItsTimerOnTheClockUntilThePatientUserPressesTheChangedButton)
{
    ScriptedHandler handler;
    int percent = 0;
    handler.opened = [](platform::ProgressDialog& dialog) {
        dialog.setStatus("working");
        dialog.startTimer(100);
    };
    handler.ticked = [&percent](platform::ProgressDialog& dialog) {
        percent += 40;
        dialog.setProgress(percent);
        dialog.setStatus("working");
        if (percent >= 100)
            dialog.setButtonText("Done");
    };
    handler.pressed = [](platform::ProgressDialog& dialog) {
        dialog.stopTimer();
        dialog.end(7);
    };
    EXPECT_EQ(windows.runProgressDialog(platform::ProgressDialogLook{"Title", {300, 200}, "xxx", "Cancel"}, handler), 7);
    EXPECT_EQ(clock.tickMs(), 300u);
    EXPECT_EQ(handler.calls, (std::vector<std::string>{"open", "timer", "timer", "timer", "button"}));
    ASSERT_EQ(windows.progressDialogs().size(), 1u);
    const platform::ProgressDialogRecord& shown = windows.progressDialogs()[0];
    EXPECT_EQ(shown.statuses, (std::vector<std::string>{"xxx", "working"}));
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{"Cancel", "Done"}));
    // Beyond the end the bar stays full.
    EXPECT_EQ(shown.positions, (std::vector<int>{0, 40, 80, 100}));
    EXPECT_TRUE(shown.ended);
}

TEST_F(ProgressDialog, ADialogThatCanChangeNoMoreIsClosedForGood)
{
    ScriptedHandler handler;
    windows.setDialogUser([](const platform::ProgressDialogRecord&) { return std::nullopt; });
    EXPECT_EQ(windows.runProgressDialog(platform::ProgressDialogLook{"Title", {}, "", "OK"}, handler), 0);
    EXPECT_EQ(handler.calls, (std::vector<std::string>{"open", "close"}));

    // The user's close box reaches the handler as the close.
    ScriptedHandler closing;
    closing.closed = [](platform::ProgressDialog& dialog) { dialog.end(2); };
    windows.setDialogUser([](const platform::ProgressDialogRecord&) { return Press::CloseBox; });
    EXPECT_EQ(windows.runProgressDialog(platform::ProgressDialogLook{"Title", {}, "", "OK"}, closing), 2);
    EXPECT_EQ(windows.progressDialogs().size(), 2u);
}

TEST(HeadlessQuestions, AreRecordedAndAnsweredInTheOrderGivenThenNo)
{
    platform::HeadlessWindowSystem windows;
    windows.answerQuestions({true, false});
    EXPECT_TRUE(windows.askYesNo("1.0", "Czy?", nullptr));
    EXPECT_FALSE(windows.askYesNo("1.0", "Czy?", nullptr));
    EXPECT_FALSE(windows.askYesNo("1.0", "Czy?", nullptr));
    EXPECT_EQ(windows.questions().size(), 3u);
    EXPECT_TRUE(windows.messages().empty());
}

// The dummy desktop: the dialog's window is found by its title, and pressed through SDL's queue.
uint32_t windowTitled(const char* title)
{
    for (uint32_t id = 1; id < 4096; ++id) {
        SDL_Window* window = SDL_GetWindowFromID(id);
        if (window != nullptr && std::string(SDL_GetWindowTitle(window)) == title)
            return id;
    }
    return 0;
}

void push(SDL_Event event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

TEST(SdlProgressDialog, IsPressedByAClickOnItsButtonAndClosedByItsCloseBoxAndLeavesNoEvents)
{
    platform::SdlWindowSystem windows;
    ScriptedHandler handler;
    handler.opened = [](platform::ProgressDialog& dialog) {
        dialog.setStatus("\xA3\xB9" "cz\xEA si\xEA z serwerem Halvremont....");
        dialog.setProgress(50);
        const uint32_t id = windowTitled("Aktualizacja");
        ASSERT_NE(id, 0u);
        SDL_Event click{};
        click.type = SDL_MOUSEBUTTONDOWN;
        click.button.windowID = id;
        click.button.button = SDL_BUTTON_LEFT;
        click.button.x = platform::ProgressDialogPainter::WIDTH - 30;
        click.button.y = platform::ProgressDialogPainter::HEIGHT - 30;
        ASSERT_TRUE(platform::ProgressDialogPainter::isOnButton(click.button.x, click.button.y));
        push(click);
        click.type = SDL_MOUSEBUTTONUP;
        push(click);
    };
    handler.pressed = [](platform::ProgressDialog& dialog) { dialog.end(1037); };
    const platform::ProgressDialogLook look{"Aktualizacja", {300, 200}, "xxx", "Anuluj"};
    EXPECT_EQ(windows.runProgressDialog(look, handler), 1037);
    EXPECT_EQ(handler.calls, (std::vector<std::string>{"open", "button"}));

    ScriptedHandler closing;
    closing.opened = [](platform::ProgressDialog&) {
        SDL_Event close{};
        close.type = SDL_WINDOWEVENT;
        close.window.windowID = windowTitled("Aktualizacja");
        close.window.event = SDL_WINDOWEVENT_CLOSE;
        push(close);
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        push(quit);
    };
    closing.closed = [](platform::ProgressDialog& dialog) { dialog.end(2); };
    EXPECT_EQ(windows.runProgressDialog(look, closing), 2);
    EXPECT_EQ(closing.calls, (std::vector<std::string>{"open", "close"}));
    // The quit SDL adds for the last window is not the next window's business.
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_FALSE(windows.askYesNo("1.0", "Czy?", nullptr));
}

TEST(ProgressDialogPainter, DrawsTheStatusTheBarAndTheButton)
{
    platform::ProgressDialogModel dialog(platform::ProgressDialogLook{"T", {}, "Wczytuj\xEA plik", "Anuluj"});
    dialog.setProgress(50);
    platform::PixelImage image(platform::ProgressDialogPainter::WIDTH, platform::ProgressDialogPainter::HEIGHT);
    platform::ProgressDialogPainter::paint(dialog, image);
    const int barY = 74;
    const uint32_t filled = image.at(100, barY);
    const uint32_t empty = image.at(platform::ProgressDialogPainter::WIDTH - 100, barY);
    EXPECT_NE(filled, empty);
    EXPECT_EQ(image.at(platform::ProgressDialogPainter::WIDTH / 2 - 10, barY), filled);
    EXPECT_EQ(image.at(platform::ProgressDialogPainter::WIDTH / 2 + 10, barY), empty);
    int inked = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < image.width; ++x)
            inked += image.at(x, y) == 0xFF000000u;
    EXPECT_GT(inked, 100);
}

TEST(ProgressDialogPainter, WrapsLongStatusLinesAtBlanks)
{
    using Lines = std::vector<std::string>;
    // 10 characters a line at 6 dots each.
    EXPECT_EQ(platform::ProgressDialogPainter::wrap("short", 60, 1), Lines{"short"});
    EXPECT_EQ(platform::ProgressDialogPainter::wrap("one two three four", 60, 1), (Lines{"one two", "three four"}));
    EXPECT_EQ(platform::ProgressDialogPainter::wrap("abcdefghijklmno", 60, 1), (Lines{"abcdefghij", "klmno"}));
    EXPECT_EQ(platform::ProgressDialogPainter::wrap("", 60, 1), Lines{""});
}

// The dots a text leaves in a picture of its own size.
std::vector<uint32_t> dotsOf(const std::string& text)
{
    platform::PixelImage image(platform::BitmapFont::width(text, 1), platform::BitmapFont::CELL_HEIGHT);
    platform::BitmapFont::draw(image, text, 0, 0, 1, 0xFFFFFFFF);
    return image.pixels;
}

TEST(BitmapFont, HasPolishLettersApartFromTheirBasesAndAQuestionMarkForTheRest)
{
    EXPECT_EQ(platform::BitmapFont::width("abc", 2), 36);
    for (uint32_t dot : dotsOf(" "))
        EXPECT_EQ(dot, 0xFF000000u);
    for (const auto& [polish, plain] : std::vector<std::pair<std::string, std::string>>{
             {"\xB9", "a"}, {"\xEA", "e"}, {"\xF3", "o"}, {"\xB3", "l"}, {"\xBF", "z"}, {"\x9F", "z"}, {"\xA3", "L"}, {"\xAF", "Z"}}) {
        EXPECT_NE(dotsOf(polish), dotsOf(plain)) << plain;
        EXPECT_NE(dotsOf(polish), dotsOf("?")) << plain;
    }
    EXPECT_NE(dotsOf("\xBF"), dotsOf("\x9F"));
    EXPECT_EQ(dotsOf("\x01"), dotsOf("?"));
    EXPECT_EQ(dotsOf("\xE9"), dotsOf("?"));
}

} // namespace
