#pragma once

// A window host on a headless host window and the manual clock, with recording doubles for what
// the window calls: the engine host, input pollers, listeners, timers and script listeners. Each
// double writes what it was told into one shared log, so a test reads the order of a turn.

#include "foundation/CTimerNotificator.h"
#include "graphics/CEngineHost.h"
#include "graphics/CInputPoller.h"
#include "graphics/CKeyListener.h"
#include "graphics/CMouseListener.h"
#include "graphics/CWindow.h"
#include "platform/Clock.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "script/CMC_Object.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace graphicstest {

using Log = std::vector<std::string>;

class RecordingHost : public CEngineHost {
public:
    explicit RecordingHost(Log& log) : log_(log) {}

    bool domodal() override
    {
        log_.push_back("host");
        return endsProgram;
    }
    int OnKeyDown(int key, int data) override
    {
        log_.push_back("host.key" + std::to_string(key));
        return keyAnswer;
    }
    bool OnExit() override { return exitAnswer; }
    CMC_Object* getApplicationObject() override { return application; }

    bool endsProgram = false;
    int keyAnswer = 0;
    bool exitAnswer = false;
    CMC_Object* application = nullptr;

private:
    Log& log_;
};

// A window whose redraw only records.
class RecordingWindow : public CWindow {
public:
    RecordingWindow(platform::HostWindow* host, CCommandLine6* commandLine, Log& log, bool windowMessageMouse)
        : CWindow(host, commandLine, nullptr, CXSize(800, 600), platform::CursorShape::Arrow, "tamzora",
                  windowMessageMouse),
          log_(log)
    {
    }
    int Redraw(bool force) override
    {
        log_.push_back(force ? "redraw!" : "redraw");
        return 0;
    }

private:
    Log& log_;
};

class RecordingPoller : public CInputPoller {
public:
    RecordingPoller(Log& log, std::string name) : log_(log), name_(std::move(name)) {}

    void tick() override { log_.push_back("tick:" + name_); }
    void flushSignals(bool deliver) override
    {
        log_.push_back("flush:" + name_);
        if (onFlush)
            onFlush();
    }

    std::function<void()> onFlush;

private:
    Log& log_;
    std::string name_;
};

class RecordingTimer : public CTimerNotificator {
public:
    explicit RecordingTimer(Log& log) : log_(log) {}
    void onTimer(int id) override { log_.push_back("timer" + std::to_string(id)); }

private:
    Log& log_;
};

// A script object that records the window's per-turn flush and its own deletion.
class FlushedObject : public CMC_Object {
public:
    FlushedObject(Log& log, const char* name) : CMC_Object(name, 0), log_(log) {}
    ~FlushedObject() override
    {
        beginDestruction();
        log_.push_back(std::string("deleted:") + toString().c_str());
    }
    void flush() override { log_.push_back(std::string("mcflush:") + toString().c_str()); }

private:
    Log& log_;
};

// A mouse listener that records every question and takes the events it is told to take.
class RecordingMouseListener : public CMouseListener {
public:
    RecordingMouseListener(Log& log, std::string name) : log_(log), name_(std::move(name)) {}

    bool onMouseMove(CXPoint point) override { return answer("move", point); }
    bool onClick(int button, CXPoint point) override { return answer("click" + std::to_string(button), point); }
    bool onClick(CXPoint point) override { return answer("click", point); }
    bool onRelease(int button, CXPoint point) override { return answer("release" + std::to_string(button), point); }
    bool onRelease(CXPoint point) override { return answer("release", point); }
    bool onDblClick(CXPoint point) override { return answer("dblclick", point); }
    void onSetFocus() override { log_.push_back(name_ + ".setfocus"); }
    void onLooseFocus() override { log_.push_back(name_ + ".loosefocus"); }

    // The questions answered true, by name ("click0", "release", ...).
    std::vector<std::string> takes;
    // Run on every question, before the answer.
    std::function<void()> onAsked;

private:
    bool answer(const std::string& question, CXPoint)
    {
        log_.push_back(name_ + "." + question);
        if (onAsked)
            onAsked();
        for (const std::string& taken : takes) {
            if (taken == question)
                return true;
        }
        return false;
    }

    Log& log_;
    std::string name_;
};

class RecordingKeyListener : public CKeyListener {
public:
    RecordingKeyListener(Log& log, std::string name) : log_(log), name_(std::move(name)) {}

    void onKeyUp(int key) override { log_.push_back(name_ + ".up" + std::to_string(key)); }
    void onKeyDown(int key) override { log_.push_back(name_ + ".down" + std::to_string(key)); }
    void onChar(unsigned char ch) override { log_.push_back(name_ + ".char" + std::string(1, static_cast<char>(ch))); }

private:
    Log& log_;
    std::string name_;
};

// The fixture: the manual clock and the headless window system installed, one host window and a
// window host without a poller thread, active unless a test deactivates it.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setClock(&clock);
        platform::setWindowSystem(&windowSystem);
        window = makeWindow(true);
        window->OnActivateApp(true);
    }

    void TearDown() override
    {
        window.reset();
        platform::setWindowSystem(nullptr);
        platform::setClock(nullptr);
        CWindow::resetStatics();
    }

    std::unique_ptr<RecordingWindow> makeWindow(bool windowMessageMouse, CCommandLine6* commandLine = nullptr)
    {
        return std::make_unique<RecordingWindow>(&hostWindow, commandLine, log, windowMessageMouse);
    }

    // The log since the last call.
    Log takeLog()
    {
        Log taken;
        taken.swap(log);
        return taken;
    }

    platform::ManualClock clock{1000};
    platform::HeadlessWindowSystem windowSystem;
    platform::HeadlessHostWindow hostWindow{platform::WindowSettings{}};
    Log log;
    std::unique_ptr<RecordingWindow> window;
};

} // namespace graphicstest
