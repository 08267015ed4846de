#include "platform/Input.h"

#include "platform/SdlInput.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {

Input& defaultInput()
{
    return sdlInput();
}

constinit ServiceSlot<Input> slot(defaultInput);

} // namespace

InputResult Input::reacquire(InputDevice device)
{
    return retryWhileLost([this, device] { return acquire(device); });
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
