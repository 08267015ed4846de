#include "graphics/CDXMouse.h"

#include "graphics/CWindow.h"

#include <span>

using platform::InputDevice;
using platform::InputResult;

CDXMouse::CDXMouse(CWindow* window) : window_(window)
{
    singleton_ = this;
    initialize();
    window_->addIPoller(this);
}

CDXMouse::~CDXMouse()
{
    window_->removeIPoller(this);
    flushSignals(false);
    release();
    if (singleton_ == this)
        singleton_ = nullptr;
}

InputResult CDXMouse::acquire(bool acquired)
{
    if (!acquired) {
        platform::input().unacquire(InputDevice::Mouse);
        return InputResult::Ok;
    }
    return platform::input().acquire(InputDevice::Mouse);
}

void CDXMouse::release()
{
    if (hasDevice_)
        acquire(false);
    hasDevice_ = false;
}

void CDXMouse::initialize()
{
    hasDevice_ = true;
    acquire(true);
}

void CDXMouse::tick()
{
    if (!hasDevice_)
        return;
    platform::Input& input = platform::input();
    platform::InputRecord records[kReadSize];
    size_t count = 0;
    const InputResult result = input.read(InputDevice::Mouse, records, kReadSize, count);
    // Records dropped by a full buffer are gone; those read still count.
    if (result != InputResult::Ok && result != InputResult::BufferOverflow) {
        input.reacquire(InputDevice::Mouse);
        return;
    }
    for (const platform::InputRecord& record : std::span(records, count)) {
        const CXPoint point(record.x, record.y);
        const bool pressed = (record.data & platform::kInputPressed) != 0;
        if (record.offset == platform::MouseOffset::X || record.offset == platform::MouseOffset::Y)
            queueMove(point);
        else if (record.offset >= platform::MouseOffset::Button0 && record.offset < platform::MouseOffset::Button0 + 3)
            queueButton(static_cast<int>(record.offset - platform::MouseOffset::Button0), pressed, point);
    }
}

void CDXMouse::queueMove(CXPoint point)
{
    position_ = point;
    // Moves collapse until a button event comes between them, so each press and release is
    // delivered after the move that brought the pointer there.
    if (!queue_.empty() && queue_.back().type == Move)
        queue_.back().point = point;
    else
        queue_.push_back({Move, point});
}

void CDXMouse::queueButton(int button, bool pressed, CXPoint point)
{
    static constexpr SignalType downs[] = {LeftDown, RightDown, MiddleDown};
    static constexpr SignalType ups[] = {LeftUp, RightUp, MiddleUp};
    bool* const states[] = {&leftDown_, &rightDown_, &middleDown_};
    *states[button] = pressed;
    queue_.push_back({pressed ? downs[button] : ups[button], point});
}

void CDXMouse::flushSignals(bool deliverSignals)
{
    // A handler may make the poller queue again; it queues for the next turn.
    std::vector<Signal> signals;
    signals.swap(queue_);
    if (deliverSignals)
        for (const Signal& signal : signals)
            deliver(signal);
}

void CDXMouse::deliver(const Signal& signal)
{
    switch (signal.type) {
    case Move: window_->OnMouseMove(signal.point, 0); break;
    case LeftDown: window_->OnLButtonDown(signal.point, 0); break;
    case LeftUp: window_->OnLButtonUp(signal.point, 0); break;
    case MiddleDown: window_->OnMButtonDown(signal.point, 0); break;
    case MiddleUp: window_->OnMButtonUp(signal.point, 0); break;
    case RightDown: window_->OnRButtonDown(signal.point, 0); break;
    case RightUp: window_->OnRButtonUp(signal.point, 0); break;
    }
}
