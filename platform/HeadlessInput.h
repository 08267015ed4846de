#pragma once

#include "platform/InputBuffers.h"

namespace platform {

// Input for tests: records are injected as a device would buffer them, and the focus, the pointer
// and the modifier keys are set directly. The window starts with the focus.
class HeadlessInput final : public InputBuffers {
public:
    HeadlessInput() : InputBuffers(true) {}

    void inject(InputDevice device, InputRecord record) { InputBuffers::record(device, record); }
    using InputBuffers::setFocus;
    using InputBuffers::setModifiers;
    using InputBuffers::setPointer;
};

} // namespace platform
