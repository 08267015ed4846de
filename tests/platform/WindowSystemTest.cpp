#include "platform/HeadlessWindowSystem.h"
#include "platform/SdlHostWindow.h"
#include "platform/SdlInput.h"
#include "platform/SdlWindowSystem.h"
#include "platform/WindowEvents.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingEvents : public platform::WindowEvents {
public:
    void onPaint() override { events.push_back("paint"); }
    void onActivate(bool active) override { events.push_back(active ? "active" : "inactive"); }
    void onMove(int x, int y) override { events.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
    void onClose() override { events.push_back("close"); }
    void onCommand(int id) override { events.push_back("command " + std::to_string(id)); }
    void onDoubleClick(int x, int y) override { events.push_back("double " + std::to_string(x) + "," + std::to_string(y)); }

    std::vector<std::string> events;
};

void pushWindowEvent(SDL_Window* window, Uint8 kind, int data1 = 0, int data2 = 0)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(window);
    event.window.event = kind;
    event.window.data1 = data1;
    event.window.data2 = data2;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

void pushEvent(Uint32 type)
{
    SDL_Event event{};
    event.type = type;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

void pushLeftPress(SDL_Window* window, int x, int y, int clicks)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.windowID = SDL_GetWindowID(window);
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = SDL_PRESSED;
    event.button.clicks = static_cast<Uint8>(clicks);
    event.button.x = x;
    event.button.y = y;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

void pushKeyPress(SDL_Scancode scancode)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

// Under SDL's dummy video driver (set for every test program).
TEST(SdlWindowSystem, OpensAWindowAndPumpsItsEventsToTheHandlerAndInputToTheInputService)
{
    platform::SdlWindowSystem system;
    platform::WindowSettings settings;
    settings.title = "Gra \xB3\xB9\x6B\x61"; // code page 1250
    settings.framed = false;
    std::unique_ptr<platform::HostWindow> window = system.openWindow(settings);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    SDL_Window* sdlWindow = platform::SdlHostWindow::sdlWindowOf(window.get());
    ASSERT_NE(sdlWindow, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(sdlWindow), "Gra łąka");
    window->setCursor(platform::CursorShape::Hand);
    window->setCursor(platform::CursorShape::None);
    EXPECT_EQ(window->showCursor(false), -1);
    EXPECT_EQ(window->showCursor(true), 0);
    window->moveClient({40, 30}, {640, 480});

    // Pending events from opening the window are not what this test is about.
    system.pumpEvents(nullptr);
    RecordingEvents handler;
    pushWindowEvent(sdlWindow, SDL_WINDOWEVENT_EXPOSED);
    pushWindowEvent(sdlWindow, SDL_WINDOWEVENT_SHOWN);
    pushWindowEvent(sdlWindow, SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_TRUE(system.pumpEvents(&handler));

    // With the focus the keyboard can be acquired, and a key press becomes its record.
    platform::Input& input = platform::sdlInput();
    ASSERT_EQ(input.acquire(platform::InputDevice::Keyboard), platform::InputResult::Ok);
    pushKeyPress(SDL_SCANCODE_A);
    pushWindowEvent(sdlWindow, SDL_WINDOWEVENT_MOVED, 12, 34);
    EXPECT_TRUE(system.pumpEvents(&handler));
    platform::InputRecord records[4];
    size_t count = 0;
    input.read(platform::InputDevice::Keyboard, records, 4, count);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(records[0], (platform::InputRecord{0x1E, platform::kInputPressed}));

    // A single press is the input service's alone; a double one is the window's too.
    pushLeftPress(sdlWindow, 3, 4, 1);
    pushLeftPress(sdlWindow, 7, 8, 2);
    pushWindowEvent(sdlWindow, SDL_WINDOWEVENT_FOCUS_LOST);
    pushWindowEvent(sdlWindow, SDL_WINDOWEVENT_CLOSE);
    pushEvent(SDL_QUIT);
    EXPECT_TRUE(system.pumpEvents(&handler));
    EXPECT_EQ(handler.events, (std::vector<std::string>{"paint", "active", "move 12,34", "double 7,8", "inactive",
                                                        "close", "close"}));

    // The window keeps a copy of its menu and an icon; the dummy desktop shows no menu box, so F10
    // chooses nothing.
    platform::Menu menu{platform::MenuItem::popup("&Program", {platform::MenuItem::command(40001, "&Exit")})};
    window->setMenu(&menu);
    menu.clear();
    ASSERT_NE(window->menu(), nullptr);
    EXPECT_EQ(window->menu()->at(0).items.at(0).id, 40001);
    window->setIcon(platform::WindowIcon{2, 1, {0xFF102030, 0x00000000}});
    pushKeyPress(SDL_SCANCODE_F10);
    EXPECT_TRUE(system.pumpEvents(&handler));
    EXPECT_EQ(handler.events.back(), "close");
    window->setMenu(nullptr);
    EXPECT_EQ(window->menu(), nullptr);

    system.postQuit();
    EXPECT_FALSE(system.pumpEvents(&handler));
    window.reset();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

TEST(SdlWindowSystem, PumpWithoutSdlStartedIsHarmless)
{
    platform::SdlWindowSystem system;
    RecordingEvents handler;
    EXPECT_TRUE(system.pumpEvents(&handler));
    EXPECT_TRUE(handler.events.empty());
}

TEST(HeadlessWindowSystem, DeliversPostedEventsInOrderAndRecordsWhatItIsTold)
{
    platform::HeadlessWindowSystem system;
    std::unique_ptr<platform::HostWindow> window = system.openWindow(platform::WindowSettings{});
    ASSERT_NE(window, nullptr);
    system.postPaint();
    system.postActivate(true);
    system.postMove(5, 6);
    system.postCommand(40004);
    system.postDoubleClick(7, 8);
    system.postClose();
    RecordingEvents handler;
    int pumps = 0;
    system.setPumpHook([&] { ++pumps; });
    EXPECT_TRUE(system.pumpEvents(&handler));
    EXPECT_TRUE(system.pumpEvents(&handler));
    EXPECT_EQ(pumps, 2);
    EXPECT_EQ(handler.events,
              (std::vector<std::string>{"paint", "active", "move 5,6", "command 40004", "double 7,8", "close"}));

    // What a window was told stays readable after it closed.
    platform::Menu menu{platform::MenuItem::popup("&Program", {})};
    window->setMenu(&menu);
    window->setTitle("Gra");
    window.reset();
    ASSERT_EQ(system.windows().size(), 1u);
    EXPECT_EQ(system.windows()[0]->settings.title, "Gra");
    ASSERT_TRUE(system.windows()[0]->menu.has_value());
    EXPECT_EQ(system.windows()[0]->menu->at(0).text, "&Program");

    system.showMessage("Tamzora", "Brak p\xB3yty CD.", nullptr);
    EXPECT_EQ(system.messages().size(), 1u);
    system.postQuit();
    EXPECT_FALSE(system.pumpEvents(&handler));
    system.refuseWindows(true);
    EXPECT_EQ(system.openWindow(platform::WindowSettings{}), nullptr);
}

} // namespace
