#include "objects/CMC_Joystick.h"

#include "foundation/CMElement.h"
#include "graphics/CWindow.h"
#include "objects/CSignalList.h"
#include "platform/CriticalSection.h"
#include "platform/Input.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

#include <cstdlib>

// When an axis raises an event: it moved by more than the threshold from where it last raised
// one, for that many polls in a row; its direction is the first word above the pivot, the second
// at or below it.
struct CMC_Joystick::AxisRule {
    const char* name;
    int threshold;
    int polls;
    int pivot;
    const char* above;
    const char* notAbove;
};

namespace {

constexpr platform::JoystickAxis kAxes[] = {platform::JoystickAxis::X, platform::JoystickAxis::Y, platform::JoystickAxis::Z};

} // namespace

const CSignalList& CMC_Joystick::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONBUTTONUP", "ONBUTTONDOWN", "ONMOVE"};
    return list;
}

CMC_Joystick::CMC_Joystick(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_JOYSTICK), window_(CMC_ObjectsContainer::windowOf(container))
{
    const CXString port = element->getPropertyValue("PORT");
    if (port.getLength() > 0)
        port_ = port.toNumber();
    initialize();
    initializeBehaviours(container, element);
}

CMC_Joystick::CMC_Joystick(CWindow* window) : CMC_Object("JOYSTICK", script::TYPE_JOYSTICK), window_(window)
{
    initialize();
}

CMC_Joystick::~CMC_Joystick()
{
    beginDestruction();
    // Once out of the window's list, the input-poller thread no longer reaches this object.
    if (device_ != nullptr)
        window_->removeIPoller(this);
    flushSignals(false);
    if (device_ != nullptr)
        device_->unacquire();
}

CXString** CMC_Joystick::getBehavioursList()
{
    return signalList().make();
}

void CMC_Joystick::initialize()
{
    if (window_ == nullptr)
        return;
    // Controllers that refuse to open are not counted; those passed over are let go at once.
    platform::Input& input = platform::input();
    const int count = input.joystickCount();
    for (int index = 0; index < count && device_ == nullptr; ++index) {
        std::shared_ptr<platform::JoystickDevice> device = input.openJoystick(index);
        if (device == nullptr)
            continue;
        if (enumerationCount_ == port_)
            device_ = device;
        else
            ++enumerationCount_;
    }
    if (device_ == nullptr)
        return;
    buttonStates_.assign(static_cast<size_t>(device_->buttonCount()), 0);
    device_->acquire();
    window_->addIPoller(this);
}

void CMC_Joystick::tick()
{
    if (device_ == nullptr)
        return;
    if (device_->read(polled_) != platform::InputResult::Ok) {
        device_->reacquire();
        return;
    }
    trackButtons();
    static constexpr AxisRule kRules[] = {
        {"X", 50, 1, 5, "RIGHT", "LEFT"},
        {"Y", 300, 4, 0, "DOWN", "UP"},
        {"Z", 300, 4, 0, "IN", "OUT"},
    };
    for (size_t i = 0; i < std::size(kAxes); ++i)
        trackAxis(axes_[i], kRules[i], polled_.axis(kAxes[i]));
}

void CMC_Joystick::trackButtons()
{
    for (size_t i = 0; i < buttonStates_.size(); ++i) {
        const uint8_t held = i < polled_.buttons.size() && (polled_.buttons[i] & platform::kInputPressed) != 0 ? 1 : 0;
        if (buttonStates_[i] == 1 && held == 0)
            events_.push_back(Event{EventKind::ButtonUp, static_cast<int>(i), nullptr, nullptr});
        else if (buttonStates_[i] == 0 && held == 1)
            events_.push_back(Event{EventKind::ButtonDown, static_cast<int>(i), nullptr, nullptr});
        buttonStates_[i] = held;
    }
}

void CMC_Joystick::trackAxis(AxisTrack& track, const AxisRule& rule, int position)
{
    if (std::abs(track.last - position) <= rule.threshold) {
        track.farPolls = 0;
        return;
    }
    // The count goes on past the event: the next poll finds the axis where it raised it.
    if (++track.farPolls < rule.polls)
        return;
    events_.push_back(Event{EventKind::Move, 0, rule.name, position > rule.pivot ? rule.above : rule.notAbove});
    track.last = position;
}

void CMC_Joystick::flushSignals(bool deliver)
{
    std::vector<Event> events;
    events.swap(events_);
    if (!deliver)
        return;
    // A handler may delete this object.
    CMC_ObjectRef self(this);
    for (const Event& event : events) {
        raise(event);
        if (!self.isAlive())
            return;
    }
}

void CMC_Joystick::raise(const Event& event)
{
    switch (event.kind) {
    case EventKind::ButtonDown:
        raiseSpecificOrPlain("ONBUTTONDOWN", CXString::toString(event.button));
        break;
    case EventKind::ButtonUp:
        raiseSpecificOrPlain("ONBUTTONUP", CXString::toString(event.button));
        break;
    case EventKind::Move:
        raiseFirstOf({CXString("ONMOVE^") + event.axis, CXString("ONMOVE^") + event.direction}, "ONMOVE");
        break;
    }
}

template <class Read>
auto CMC_Joystick::whilePollingHolds(Read read) const
{
    // Without a controller nothing polls.
    if (device_ == nullptr)
        return read();
    platform::CriticalSection::Scoped hold(*window_->getCriticalSectionHandle());
    return read();
}

int CMC_Joystick::getButtonState(int button) const
{
    return whilePollingHolds([this, button] {
        return button >= 0 && static_cast<size_t>(button) < buttonStates_.size() ? int(buttonStates_[size_t(button)]) : 0;
    });
}

int CMC_Joystick::getAxis(int axis) const
{
    return whilePollingHolds([this, axis] { return axis >= 0 && axis < 3 ? axes_[axis].last : -1; });
}
