#include "platform/ProgressDialogModel.h"

#include "platform/Clock.h"

#include <algorithm>
#include <thread>

namespace platform {

namespace {

// The real time before each tick of a dialog run unattended.
constexpr std::chrono::milliseconds kTickPause{1};

} // namespace

ProgressDialogModel::ProgressDialogModel(const ProgressDialogLook& look)
{
    record_.look = look;
    record_.statuses.push_back(look.status);
    record_.buttons.push_back(look.button);
    record_.positions.push_back(0);
}

template <class Value>
void ProgressDialogModel::change(std::vector<Value>& history, const Value& value)
{
    if (history.back() == value)
        return;
    history.push_back(value);
    changed_ = true;
}

void ProgressDialogModel::setStatus(const std::string& text)
{
    change(record_.statuses, text);
}

void ProgressDialogModel::setButtonText(const std::string& text)
{
    change(record_.buttons, text);
}

void ProgressDialogModel::setProgress(int percent)
{
    change(record_.positions, std::clamp(percent, 0, 100));
}

void ProgressDialogModel::startTimer(uint32_t periodMs)
{
    periodMs_ = periodMs == 0 ? 1 : periodMs;
    dueAtMs_ = clock().tickMs() + periodMs_;
}

void ProgressDialogModel::stopTimer()
{
    periodMs_ = 0;
}

void ProgressDialogModel::end(int result)
{
    record_.ended = true;
    record_.result = result;
}

uint32_t ProgressDialogModel::msToTimer() const
{
    // The tick wraps: the signed distance tells before from after.
    const int32_t left = static_cast<int32_t>(dueAtMs_ - clock().tickMs());
    return left > 0 ? static_cast<uint32_t>(left) : 0;
}

bool ProgressDialogModel::runTimerIfDue(ProgressDialogHandler& handler)
{
    if (!timerRunning() || msToTimer() > 0)
        return false;
    dueAtMs_ = clock().tickMs() + periodMs_;
    handler.onTimer(*this);
    return true;
}

bool ProgressDialogModel::takeChanged()
{
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

void ProgressDialogModel::runUnattended(ProgressDialogHandler& handler, const User& user, std::chrono::milliseconds patience)
{
    handler.onOpen(*this);
    const auto giveUpAt = std::chrono::steady_clock::now() + patience;
    while (!ended()) {
        const std::optional<Press> press = user(record_);
        if (press == Press::Button) {
            handler.onButton(*this);
        } else if (press == Press::CloseBox) {
            handler.onClose(*this);
        } else if (!timerRunning() || std::chrono::steady_clock::now() >= giveUpAt) {
            handler.onClose(*this);
            if (!ended())
                end(0);
        } else {
            std::this_thread::sleep_for(kTickPause);
            clock().sleepMs(msToTimer());
            runTimerIfDue(handler);
        }
    }
}

std::optional<ProgressDialogModel::Press> ProgressDialogModel::pressOnceTheButtonChanged(const ProgressDialogRecord& dialog)
{
    if (dialog.buttons.back() != dialog.look.button)
        return Press::Button;
    return std::nullopt;
}

} // namespace platform
