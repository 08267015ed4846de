#pragma once

#include "platform/Input.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace platform {

// What every input backend shares: the two ring buffers of records, the focus and acquisition
// rules, the pointer and the modifier state. A backend feeds it through the protected operations;
// any thread may read.
class InputBuffers : public Input {
public:
    InputResult acquire(InputDevice device) override;
    void unacquire(InputDevice device) override;
    InputResult read(InputDevice device, InputRecord* out, size_t capacity, size_t& count) override;
    InputPoint pointer() const override;
    bool shiftDown() const override { return shift_.load(std::memory_order_relaxed); }
    bool altDown() const override { return alt_.load(std::memory_order_relaxed); }

    bool hasFocus() const;

protected:
    explicit InputBuffers(bool focused);

    // Buffers the record, stamped with the pointer, when the device is acquired. A full buffer
    // drops it and reports an overflow on the next read. Mouse movements merge into an earlier
    // movement of the same axis that no button record follows, and the whole run of movements
    // takes the newest pointer, so moving alone never fills the small mouse buffer.
    void record(InputDevice device, InputRecord record);
    // Losing the focus loses every acquisition.
    void setFocus(bool focused);
    void setPointer(InputPoint point);
    void setModifiers(bool shift, bool alt);

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

    Buffer& bufferOf(InputDevice device) { return device == InputDevice::Keyboard ? keyboard_ : mouse_; }

    mutable std::mutex mutex_;
    Buffer keyboard_{kKeyboardBufferSize};
    Buffer mouse_{kMouseBufferSize};
    bool focused_;
    // x in the high half, y in the low one, so a reader never sees half a move.
    std::atomic<uint64_t> pointer_{0};
    std::atomic<bool> shift_{false};
    std::atomic<bool> alt_{false};
};

} // namespace platform
