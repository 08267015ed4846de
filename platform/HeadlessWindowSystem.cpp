#include "platform/HeadlessWindowSystem.h"

#include "platform/WindowEvents.h"

#include <chrono>

namespace platform {

namespace {

// How long a dialog waits for its user, in real time, before it is closed.
constexpr std::chrono::seconds kDialogPatience{60};

} // namespace

std::unique_ptr<HostWindow> HeadlessWindowSystem::openWindow(const WindowSettings& settings)
{
    if (refuseWindows_)
        return nullptr;
    auto state = std::make_shared<HeadlessHostWindow::State>();
    state->settings = settings;
    windows_.push_back(state);
    return std::make_unique<HeadlessHostWindow>(state);
}

bool HeadlessWindowSystem::pumpEvents(WindowEvents* handler)
{
    if (pumpHook_)
        pumpHook_();
    // A handler may post more events; they wait for the next pump, as on a real queue.
    std::deque<std::function<void(WindowEvents&)>> events;
    events.swap(pending_);
    for (const auto& deliver : events) {
        if (handler != nullptr)
            deliver(*handler);
    }
    return !quitPosted_;
}

void HeadlessWindowSystem::showMessage(const std::string& caption, const std::string& text, HostWindow*)
{
    messages_.emplace_back(caption, text);
}

bool HeadlessWindowSystem::ask(const std::string& caption, const std::string& text, const std::string&, const std::string&,
                               HostWindow*)
{
    questions_.emplace_back(caption, text);
    if (answers_.empty())
        return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

int HeadlessWindowSystem::runProgressDialog(const ProgressDialogLook& look, ProgressDialogHandler& handler)
{
    ProgressDialogModel dialog(look);
    dialog.runUnattended(handler, dialogUser_, kDialogPatience);
    dialogs_.push_back(dialog.record());
    return dialog.record().result;
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

void HeadlessWindowSystem::postCommand(int id)
{
    pending_.emplace_back([id](WindowEvents& handler) { handler.onCommand(id); });
}

void HeadlessWindowSystem::postDoubleClick(int x, int y)
{
    pending_.emplace_back([x, y](WindowEvents& handler) { handler.onDoubleClick(x, y); });
}

} // namespace platform
