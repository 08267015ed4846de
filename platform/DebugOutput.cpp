#include "platform/DebugOutput.h"

#include "platform/Cp1250.h"
#include "platform/ServiceSlot.h"

#include <string>

namespace platform {

DebugOutput::DebugOutput(std::FILE* stream) : stream_(stream) {}

void DebugOutput::write(std::string_view cp1250Text)
{
    if (!enabled() || !stream_)
        return;
    const std::string text = Cp1250::toUtf8(cp1250Text);
    std::fwrite(text.data(), 1, text.size(), stream_);
    std::fflush(stream_);
}

namespace {
DebugOutput& standardError()
{
    static DebugOutput instance(stderr);
    return instance;
}

constinit ServiceSlot<DebugOutput> slot(standardError);
} // namespace

DebugOutput& debugOutput()
{
    return slot.get();
}

void setDebugOutput(DebugOutput* replacement)
{
    slot.set(replacement);
}

} // namespace platform
