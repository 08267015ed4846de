#pragma once

#include "platform/Input.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

// What every input backend shares: the two ring buffers of records, the focus and acquisition
// rules, the pointer, the modifier and button state, and the game controllers opened. A backend
// feeds it through the protected operations; any thread may read.
class InputBuffers : public Input {
public:
    InputResult acquire(InputDevice device) override;
    void unacquire(InputDevice device) override;
    InputResult read(InputDevice device, InputRecord* out, size_t capacity, size_t& count) override;
    InputPoint pointer() const override;
    bool shiftDown() const override { return shift_.load(std::memory_order_relaxed); }
    bool altDown() const override { return alt_.load(std::memory_order_relaxed); }
    bool buttonHeld(int button) const override;

    bool hasFocus() const;
    // Records buffered and not read yet.
    size_t buffered(InputDevice device) const;

protected:
    explicit InputBuffers(bool focused);

    // Buffers the record, stamped with the pointer, when the device is acquired. A full buffer
    // drops it and reports an overflow on the next read. Mouse movements merge into an earlier
    // movement of the same axis that no button record follows, and the whole run of movements
    // takes the newest pointer, so moving alone never fills the small mouse buffer.
    void record(InputDevice device, InputRecord record);
    // Losing the focus loses every acquisition, the controllers' too.
    void setFocus(bool focused);
    void setPointer(InputPoint point);
    void setModifiers(bool shift, bool alt);
    void setButtonHeld(int button, bool held);
    // A controller opened under the backend's key for it (main thread); it takes the focus as it
    // is now. Those its owners let go are forgotten.
    void addJoystick(int key, const std::shared_ptr<JoystickDevice>& device);
    // Tells every open controller of the key (main thread).
    void forJoysticksOf(int key, const std::function<void(JoystickDevice&)>& tell);

private:
    struct Buffer {
        explicit Buffer(size_t size) : ring(size) {}
        InputRecord& at(size_t index) { return ring[(head + index) % ring.size()]; }
        void clear() { head = count = 0; }
        bool mergeMovement(InputRecord movement);

        std::vector<InputRecord> ring;
        size_t head = 0;
        size_t count = 0;
        bool acquired = false;
        bool lost = false;
        bool overflowed = false;
    };

    struct OpenJoystick {
        int key;
        std::weak_ptr<JoystickDevice> device;
    };

    Buffer& bufferOf(InputDevice device) { return device == InputDevice::Keyboard ? keyboard_ : mouse_; }
    void forgetClosedJoysticks();

    mutable std::mutex mutex_;
    Buffer keyboard_{kKeyboardBufferSize};
    Buffer mouse_{kMouseBufferSize};
    bool focused_;
    // x in the high half, y in the low one, so a reader never sees half a move.
    std::atomic<uint64_t> pointer_{0};
    std::atomic<bool> shift_{false};
    std::atomic<bool> alt_{false};
    std::atomic<unsigned> heldButtons_{0};
    // Main thread only.
    std::vector<OpenJoystick> joysticks_;
};

} // namespace platform
