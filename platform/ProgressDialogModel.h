#pragma once

#include "platform/ProgressDialog.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// What a progress dialog showed, every change once and in order: the status lines and button
// labels from the look's own, the bar's positions from 0; and how it ended.
struct ProgressDialogRecord {
    ProgressDialogLook look;
    std::vector<std::string> statuses;
    std::vector<std::string> buttons;
    std::vector<int> positions;
    bool ended = false;
    int result = 0;
};

// The state of an open progress dialog that every window system keeps the same way: the texts,
// the bar, the timer on the platform clock and the end. Main thread only.
class ProgressDialogModel final : public ProgressDialog {
public:
    enum class Press { Button, CloseBox };
    // What a user who is not at a desktop does next, looking at the dialog: nothing, or a press.
    using User = std::function<std::optional<Press>(const ProgressDialogRecord&)>;

    explicit ProgressDialogModel(const ProgressDialogLook& look);

    // Runs the dialog with nobody at a desktop, from its opening to its end: the user is asked
    // at the opening, after each press and at each tick of the timer; while the user does
    // nothing, the time to the next tick is slept on the platform clock, after a moment of real
    // time in which other threads go on. A dialog left alone with no timer running, or still
    // open after `patience` of real time, is closed with its close box, for good.
    void runUnattended(ProgressDialogHandler& handler, const User& user, std::chrono::milliseconds patience);
    // The patient user: presses the button once its label is no longer the first one.
    static std::optional<Press> pressOnceTheButtonChanged(const ProgressDialogRecord& dialog);

    void setStatus(const std::string& text) override;
    void setButtonText(const std::string& text) override;
    void setProgress(int percent) override;
    void startTimer(uint32_t periodMs) override;
    void stopTimer() override;
    void end(int result) override;

    const ProgressDialogRecord& record() const { return record_; }
    const std::string& status() const { return record_.statuses.back(); }
    const std::string& button() const { return record_.buttons.back(); }
    int progress() const { return record_.positions.back(); }
    bool ended() const { return record_.ended; }
    bool timerRunning() const { return periodMs_ != 0; }
    // Milliseconds until the timer is due, 0 once it is; only while it runs.
    uint32_t msToTimer() const;
    // When the timer is due, the next period starts and the handler's onTimer runs; true then.
    bool runTimerIfDue(ProgressDialogHandler& handler);
    // Whether anything shown changed since the last call.
    bool takeChanged();

private:
    template <class Value>
    void change(std::vector<Value>& history, const Value& value);

    ProgressDialogRecord record_;
    uint32_t periodMs_ = 0;
    uint32_t dueAtMs_ = 0;
    bool changed_ = true;
};

} // namespace platform
