#pragma once

#include "graphics/CInputPoller.h"
#include "platform/JoystickDevice.h"
#include "script/CMC_Object.h"

#include <cstdint>
#include <memory>
#include <vector>

class CSignalList;
class CWindow;

// The JOYSTICK script object (type 2023): one game controller's buttons and X, Y and Z axes as
// signals. The controller is the one numbered PORT among those attached, counted from 0 (the
// default 1 takes the second); without one the object does nothing.
//
// The window's input polling reads the controller (tick, on the input-poller thread) and queues
// what changed: a button going down or up, X moving by more than 50, Y or Z by more than 300 for
// four polls in a row. In the main thread's turn (flushSignals) every queued event is raised, the
// most specific form first: "ONBUTTONDOWN^" + the button's number (from 0) then "ONBUTTONDOWN",
// the same for "ONBUTTONUP", and "ONMOVE^" + the axis ("X"), "ONMOVE^" + the direction ("LEFT",
// "RIGHT", "UP", "DOWN", "IN", "OUT") then "ONMOVE". Both run under the window's lock, and so do
// the readers of what tick keeps.
//
// Made only from a definition (PORT, optional) or by native code with a window; it has no stored
// record.
class CMC_Joystick : public CMC_Object, public CInputPoller {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONBUTTONUP", "ONBUTTONDOWN", "ONMOVE".
    static const CSignalList& signalList();

    CMC_Joystick(CMC_ObjectsContainer* container, CMElement* element);
    // The default PORT's controller for the window.
    explicit CMC_Joystick(CWindow* window);
    // Leaves the window's polling, drops what is queued without signals and lets the controller go.
    ~CMC_Joystick() override;

    CXString** getBehavioursList() override;

    void tick() override;
    void flushSignals(bool deliver) override;

    int getPort() const { return port_; }
    // Null without a controller.
    platform::JoystickDevice* getDXIfc() const { return device_.get(); }
    // 1 while the button (from 0) is held as last polled; 0 for other buttons and without a
    // controller.
    int getButtonState(int button) const;
    // The position that last raised an event on X (0), Y (1) or Z (2), -1 before any; -1 for
    // other axes.
    int getAxis(int axis) const;
    CWindow* getWindow() const { return window_; }

private:
    enum class EventKind { ButtonDown = 1, ButtonUp = 2, Move = 3 };
    struct Event {
        EventKind kind;
        int button;
        const char* axis;
        const char* direction;
    };
    // Where an axis last raised an event, and for how many polls in a row it has been far from it.
    struct AxisTrack {
        int last = -1;
        int farPolls = 0;
    };
    struct AxisRule;

    void initialize();
    void trackButtons();
    void trackAxis(AxisTrack& track, const AxisRule& rule, int position);
    void raise(const Event& event);
    // What tick keeps, read on the main thread while tick may run.
    template <class Read>
    auto whilePollingHolds(Read read) const;

    CWindow* window_;
    std::shared_ptr<platform::JoystickDevice> device_;
    int port_ = 1;
    int enumerationCount_ = 0;
    std::vector<uint8_t> buttonStates_;
    AxisTrack axes_[3];
    platform::JoystickState polled_;
    std::vector<Event> events_;
};
