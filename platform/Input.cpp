#include "platform/Input.h"

#include "platform/SdlInput.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {

constexpr int kAcquireTries = 4;

Input& defaultInput()
{
    return sdlInput();
}

constinit ServiceSlot<Input> slot(defaultInput);

} // namespace

InputResult Input::reacquire(InputDevice device)
{
    InputResult result = acquire(device);
    for (int tries = 1; result == InputResult::InputLost && tries < kAcquireTries; ++tries)
        result = acquire(device);
    return result;
}

Input& input()
{
    return slot.get();
}

void setInput(Input* replacement)
{
    slot.set(replacement);
}

} // namespace platform
