#pragma once

#include "platform/Input.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

namespace platform {

enum class JoystickAxis { X, Y, Z };

// What a game controller reports: its X, Y and Z axes from -1000 to 1000 (0 at rest), and a byte
// per button with kInputPressed while it is held.
struct JoystickState {
    std::array<int, 3> axes{};
    std::vector<uint8_t> buttons;

    int axis(JoystickAxis which) const { return axes[static_cast<size_t>(which)]; }
};

// One opened game controller, taken for exclusive use in the foreground: it is read only while
// acquired, acquired only while the window has the focus, and losing the focus loses the
// acquisition. The backend keeps its state as the system reports it (main thread); the reader
// takes a copy from any thread (the input-poller thread).
class JoystickDevice {
public:
    // Without the focus until the input service gives it.
    explicit JoystickDevice(int buttonCount);
    virtual ~JoystickDevice() = default;
    JoystickDevice(const JoystickDevice&) = delete;
    JoystickDevice& operator=(const JoystickDevice&) = delete;

    int buttonCount() const { return buttonCount_; }
    InputResult acquire();
    void unacquire();
    // Acquires again after a failed read (retryWhileLost).
    InputResult reacquire();
    // The state now, while acquired.
    InputResult read(JoystickState& out);

    // The backend's side. A position from the system's range, -32768 to 32767, on the device's.
    static int positionOf(int systemValue);
    // Everything at once, as the controller stands when it is opened.
    void setState(const JoystickState& state);
    void setAxis(JoystickAxis axis, int position);
    // Buttons outside the device's are ignored.
    void setButton(int button, bool pressed);
    void setFocus(bool focused);
    // The controller was pulled out: reads fail from now on, and so does acquiring.
    void unplug();

private:
    const int buttonCount_;
    std::mutex mutex_;
    JoystickState state_;
    bool focused_ = false;
    bool acquired_ = false;
    bool lost_ = false;
    bool unplugged_ = false;
};

} // namespace platform
