#include "platform/HeadlessWindowSystem.h"

#include "platform/HeadlessHostWindow.h"
#include "platform/WindowEvents.h"

namespace platform {

std::unique_ptr<HostWindow> HeadlessWindowSystem::openWindow(const WindowSettings& settings)
{
    if (refuseWindows_)
        return nullptr;
    return std::make_unique<HeadlessHostWindow>(settings);
}

bool HeadlessWindowSystem::pumpEvents(WindowEvents* handler)
{
    // A handler may post more events; they wait for the next pump, as on a real queue.
    std::deque<std::function<void(WindowEvents&)>> events;
    events.swap(pending_);
    for (const auto& deliver : events) {
        if (handler != nullptr)
            deliver(*handler);
    }
    return !quitPosted_;
}

void HeadlessWindowSystem::showMessage(const std::string& caption, const std::string& text)
{
    messages_.emplace_back(caption, text);
}

void HeadlessWindowSystem::postPaint()
{
    pending_.emplace_back([](WindowEvents& handler) { handler.onPaint(); });
}

void HeadlessWindowSystem::postActivate(bool active)
{
    pending_.emplace_back([active](WindowEvents& handler) { handler.onActivate(active); });
}

void HeadlessWindowSystem::postMove(int x, int y)
{
    pending_.emplace_back([x, y](WindowEvents& handler) { handler.onMove(x, y); });
}

void HeadlessWindowSystem::postClose()
{
    pending_.emplace_back([](WindowEvents& handler) { handler.onClose(); });
}

} // namespace platform
