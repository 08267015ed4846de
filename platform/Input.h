#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

class JoystickDevice;

// The two buffered devices the pollers read.
enum class InputDevice { Keyboard, Mouse };

// One buffered event of a device. For the keyboard the offset is the key code (0-255) and bit 7 of
// the data is set for a press; for the mouse the offset names an axis or a button (MouseOffset), an
// axis carries its signed movement and a button bit 7 for a press. x and y are where the pointer
// stood when the event was buffered, in the window's client pixels.
struct InputRecord {
    uint32_t offset = 0;
    int32_t data = 0;
    int x = 0;
    int y = 0;

    bool operator==(const InputRecord&) const = default;
};

constexpr int32_t kInputPressed = 0x80;

namespace MouseOffset {
constexpr uint32_t X = 0;
constexpr uint32_t Y = 4;
constexpr uint32_t Wheel = 8;
// Buttons 0 left, 1 right, 2 middle, then up to five more, one byte each.
constexpr uint32_t Button0 = 12;
constexpr uint32_t ButtonCount = 8;
} // namespace MouseOffset

enum class InputResult {
    Ok,
    // Records were read, but some newer ones were dropped because the buffer was full.
    BufferOverflow,
    // The device lost its acquisition (the window lost the focus) since it was last acquired.
    InputLost,
    NotAcquired,
    // Acquiring failed: the window does not have the focus.
    OtherAppHasPriority,
};

// Acquires again after a failed read: while the answer is that input was lost, tries again, a few
// times at most, so a device that never comes back does not hold its poller. The last answer.
template <class Acquire>
InputResult retryWhileLost(Acquire acquire)
{
    constexpr int kTries = 4;
    InputResult result = acquire();
    for (int tries = 1; result == InputResult::InputLost && tries < kTries; ++tries)
        result = acquire();
    return result;
}

struct InputPoint {
    int x = 0;
    int y = 0;

    bool operator==(const InputPoint&) const = default;
};

// Buffered keyboard and mouse input of the game window. Events are recorded only while a device is
// acquired, and a device can be acquired only while the window has the focus; losing the focus
// loses the acquisition and the buffered records. The backend fills the buffers on the main thread;
// the poller thread reads them.
class Input {
public:
    static constexpr size_t kKeyboardBufferSize = 1024;
    static constexpr size_t kMouseBufferSize = 16;

    virtual ~Input() = default;

    virtual InputResult acquire(InputDevice device) = 0;
    // Stops recording and forgets what was buffered.
    virtual void unacquire(InputDevice device) = 0;
    // Moves up to `capacity` of the oldest records into `out`; `count` tells how many. Nothing is
    // read unless the device is acquired.
    virtual InputResult read(InputDevice device, InputRecord* out, size_t capacity, size_t& count) = 0;
    // Acquires again after a failed read (retryWhileLost).
    InputResult reacquire(InputDevice device);

    // The pointer in the window's client pixels, as last seen.
    virtual InputPoint pointer() const = 0;
    // Either Shift key is down; either Alt key (Alt Gr included) is down.
    virtual bool shiftDown() const = 0;
    virtual bool altDown() const = 0;
    // Whether a mouse button (0 left, 1 right, 2 middle) is held now, acquired or not.
    virtual bool buttonHeld(int button) const = 0;

    // The game controllers attached, numbered from 0 in the system's order. Main thread.
    virtual int joystickCount() = 0;
    // Opens the controller of that number: null when there is none or it refuses. Main thread,
    // and the last owner lets it go on the main thread too.
    virtual std::shared_ptr<JoystickDevice> openJoystick(int index) = 0;
};

// The input of the process: the SDL window's unless a test installed another.
Input& input();
// Installs an input for the whole process (tests); null restores the SDL one.
void setInput(Input* replacement);

} // namespace platform
