#include "platform/InputBuffers.h"

#include "platform/JoystickDevice.h"

#include <algorithm>

namespace platform {

namespace {

bool isMovement(const InputRecord& record)
{
    return record.offset == MouseOffset::X || record.offset == MouseOffset::Y || record.offset == MouseOffset::Wheel;
}

int32_t wrappingSum(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

} // namespace

InputBuffers::InputBuffers(bool focused) : focused_(focused) {}

bool InputBuffers::Buffer::mergeMovement(InputRecord movement)
{
    bool merged = false;
    for (size_t back = count; back > 0 && isMovement(at(back - 1)); --back) {
        InputRecord& earlier = at(back - 1);
        // The run stands for one movement now, wherever it ends.
        earlier.x = movement.x;
        earlier.y = movement.y;
        if (!merged && earlier.offset == movement.offset) {
            earlier.data = wrappingSum(earlier.data, movement.data);
            merged = true;
        }
    }
    return merged;
}

InputResult InputBuffers::acquire(InputDevice device)
{
    std::lock_guard lock(mutex_);
    if (!focused_)
        return InputResult::OtherAppHasPriority;
    Buffer& buffer = bufferOf(device);
    buffer.acquired = true;
    buffer.lost = false;
    return InputResult::Ok;
}

void InputBuffers::unacquire(InputDevice device)
{
    std::lock_guard lock(mutex_);
    Buffer& buffer = bufferOf(device);
    buffer.acquired = false;
    buffer.lost = false;
    buffer.overflowed = false;
    buffer.clear();
}

InputResult InputBuffers::read(InputDevice device, InputRecord* out, size_t capacity, size_t& count)
{
    count = 0;
    std::lock_guard lock(mutex_);
    Buffer& buffer = bufferOf(device);
    if (!buffer.acquired)
        return buffer.lost ? InputResult::InputLost : InputResult::NotAcquired;
    while (count < capacity && buffer.count > 0) {
        out[count++] = buffer.at(0);
        buffer.head = (buffer.head + 1) % buffer.ring.size();
        --buffer.count;
    }
    const bool overflowed = buffer.overflowed;
    buffer.overflowed = false;
    return overflowed ? InputResult::BufferOverflow : InputResult::Ok;
}

size_t InputBuffers::buffered(InputDevice device) const
{
    std::lock_guard lock(mutex_);
    return device == InputDevice::Keyboard ? keyboard_.count : mouse_.count;
}

InputPoint InputBuffers::pointer() const
{
    const uint64_t packed = pointer_.load(std::memory_order_relaxed);
    return InputPoint{static_cast<int32_t>(packed >> 32), static_cast<int32_t>(packed & 0xFFFFFFFFu)};
}

bool InputBuffers::buttonHeld(int button) const
{
    return button >= 0 && button < static_cast<int>(MouseOffset::ButtonCount) &&
           (heldButtons_.load(std::memory_order_relaxed) & (1u << button)) != 0;
}

bool InputBuffers::hasFocus() const
{
    std::lock_guard lock(mutex_);
    return focused_;
}

void InputBuffers::record(InputDevice device, InputRecord record)
{
    const InputPoint at = pointer();
    record.x = at.x;
    record.y = at.y;
    std::lock_guard lock(mutex_);
    Buffer& buffer = bufferOf(device);
    if (!buffer.acquired)
        return;
    if (device == InputDevice::Mouse && isMovement(record) && buffer.mergeMovement(record))
        return;
    if (buffer.count == buffer.ring.size()) {
        buffer.overflowed = true;
        return;
    }
    ++buffer.count;
    buffer.at(buffer.count - 1) = record;
}

void InputBuffers::setFocus(bool focused)
{
    forgetClosedJoysticks();
    for (const OpenJoystick& open : joysticks_) {
        if (std::shared_ptr<JoystickDevice> device = open.device.lock())
            device->setFocus(focused);
    }
    std::lock_guard lock(mutex_);
    focused_ = focused;
    if (focused)
        return;
    for (Buffer* buffer : {&keyboard_, &mouse_}) {
        if (buffer->acquired)
            buffer->lost = true;
        buffer->acquired = false;
        buffer->overflowed = false;
        buffer->clear();
    }
}

void InputBuffers::setPointer(InputPoint point)
{
    const uint64_t packed = (static_cast<uint64_t>(static_cast<uint32_t>(point.x)) << 32) | static_cast<uint32_t>(point.y);
    pointer_.store(packed, std::memory_order_relaxed);
}

void InputBuffers::setButtonHeld(int button, bool held)
{
    if (button < 0 || button >= static_cast<int>(MouseOffset::ButtonCount))
        return;
    if (held)
        heldButtons_.fetch_or(1u << button, std::memory_order_relaxed);
    else
        heldButtons_.fetch_and(~(1u << button), std::memory_order_relaxed);
}

void InputBuffers::addJoystick(int key, const std::shared_ptr<JoystickDevice>& device)
{
    forgetClosedJoysticks();
    device->setFocus(hasFocus());
    joysticks_.push_back(OpenJoystick{key, device});
}

void InputBuffers::forJoysticksOf(int key, const std::function<void(JoystickDevice&)>& tell)
{
    for (const OpenJoystick& open : joysticks_) {
        std::shared_ptr<JoystickDevice> device = open.key == key ? open.device.lock() : nullptr;
        if (device != nullptr)
            tell(*device);
    }
}

void InputBuffers::forgetClosedJoysticks()
{
    std::erase_if(joysticks_, [](const OpenJoystick& open) { return open.device.expired(); });
}

void InputBuffers::setModifiers(bool shift, bool alt)
{
    shift_.store(shift, std::memory_order_relaxed);
    alt_.store(alt, std::memory_order_relaxed);
}

} // namespace platform
