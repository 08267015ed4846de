#pragma once

// A window host on the headless input and the manual clock, without an input poller of its own
// unless asked, so each turn ticks the pollers and then delivers what they queued. Steps are
// written as short words, so a table of cases reads as what a user did and what the window was
// told.

#include "WindowHarness.h"

#include "foundation/CLanguageOSVer.h"
#include "platform/HeadlessInput.h"
#include "platform/Input.h"

#include <sstream>

namespace graphicstest {

// Records every mouse question with its point and takes them all, so each event is one entry.
class PointMouseListener : public CMouseListener {
public:
    explicit PointMouseListener(Log& log) : log_(log) {}

    bool onMouseMove(CXPoint point) override { return record("move", point); }
    bool onClick(int button, CXPoint point) override { return record("click" + std::to_string(button), point); }
    bool onClick(CXPoint point) override { return record("click", point); }
    bool onRelease(int button, CXPoint point) override { return record("release" + std::to_string(button), point); }
    bool onRelease(CXPoint point) override { return record("release", point); }

private:
    bool record(const std::string& what, CXPoint point)
    {
        log_.push_back(what + "@" + std::to_string(point.x) + "," + std::to_string(point.y));
        return true;
    }

    Log& log_;
};

class PollerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setClock(&clock);
        platform::setWindowSystem(&windowSystem);
        platform::setInput(&input);
        window = std::make_unique<CWindow>(&hostWindow, nullptr, &language, CXSize(800, 600),
                                           platform::CursorShape::Arrow, "tamzora", windowMessageMouse);
        window->SetApplicationInterface(&host);
        window->OnActivateApp(true);
    }

    void TearDown() override
    {
        window.reset();
        platform::setInput(nullptr);
        platform::setWindowSystem(nullptr);
        platform::setClock(nullptr);
        CWindow::resetStatics();
    }

    // One engine turn after `ms` milliseconds.
    void turn(uint32_t ms = 16)
    {
        clock.advance(ms);
        window->Tick();
    }

    // Runs the words of one step: "|" a turn 16 ms later ("|5" 5 ms later), "lost" and "back" the
    // focus going and coming, and whatever `device` makes of the other words.
    template <class DeviceStep>
    void run(const std::string& steps, DeviceStep device)
    {
        std::istringstream words(steps);
        for (std::string word; words >> word;) {
            if (word[0] == '|')
                turn(word.size() > 1 ? static_cast<uint32_t>(std::stoi(word.substr(1))) : 16);
            else if (word == "lost")
                input.setFocus(false);
            else if (word == "back")
                input.setFocus(true);
            else
                device(word);
        }
    }

    static std::string joined(const Log& entries)
    {
        std::string text;
        for (const std::string& entry : entries)
            text += (text.empty() ? "" : " ") + entry;
        return text;
    }

    // False: the window reads its own mouse and keyboard on its input poller.
    bool windowMessageMouse = true;
    platform::ManualClock clock{1000};
    platform::HeadlessWindowSystem windowSystem;
    platform::HeadlessHostWindow hostWindow{platform::WindowSettings{}};
    platform::HeadlessInput input;
    CLanguageOSVer language;
    Log log;
    RecordingHost host{log};
    std::unique_ptr<CWindow> window;
};

} // namespace graphicstest
