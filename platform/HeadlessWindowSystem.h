#pragma once

#include "platform/HeadlessHostWindow.h"
#include "platform/ProgressDialogModel.h"
#include "platform/WindowSystem.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// A window system for tests: windows that only record, window events the test posts, message
// boxes that are recorded and answered at once, questions answered as the test said, and
// progress dialogs that record what they showed and are pressed by the test's user.
class HeadlessWindowSystem final : public WindowSystem {
public:
    using DialogPress = ProgressDialogModel::Press;
    using DialogUser = ProgressDialogModel::User;

    std::unique_ptr<HostWindow> openWindow(const WindowSettings& settings) override;
    bool pumpEvents(WindowEvents* handler) override;
    void postQuit() override { quitPosted_ = true; }
    void showMessage(const std::string& caption, const std::string& text, HostWindow* owner) override;
    // Takes the next answer the test gave; the second button when none is left.
    bool ask(const std::string& caption, const std::string& text, const std::string& confirm, const std::string& refuse,
             HostWindow* owner) override;
    // Run unattended by the test's user (ProgressDialogModel::runUnattended); a dialog still
    // open after a minute of real time is closed.
    int runProgressDialog(const ProgressDialogLook& look, ProgressDialogHandler& handler) override;

    // Window events the next pump delivers, in the order posted.
    void postPaint();
    void postActivate(bool active);
    void postMove(int x, int y);
    void postClose();
    void postCommand(int id);
    void postDoubleClick(int x, int y);
    // Called at the start of every pump, before the events are delivered: a test looks at the
    // program's state there and posts what comes next.
    void setPumpHook(std::function<void()> hook) { pumpHook_ = std::move(hook); }

    // The answers of the next questions, in order.
    void answerQuestions(const std::vector<bool>& answers) { answers_.insert(answers_.end(), answers.begin(), answers.end()); }
    // By default the user presses the button once its label changed, and never the close box.
    void setDialogUser(DialogUser user) { dialogUser_ = std::move(user); }

    bool quitPosted() const { return quitPosted_; }
    // Caption and text of every message box shown.
    const std::vector<std::pair<std::string, std::string>>& messages() const { return messages_; }
    // Caption and text of every question asked.
    const std::vector<std::pair<std::string, std::string>>& questions() const { return questions_; }
    // What every progress dialog showed, in the order they closed.
    const std::vector<ProgressDialogRecord>& progressDialogs() const { return dialogs_; }
    // What every window opened was told, in the order they were opened, also after they closed.
    const std::vector<std::shared_ptr<HeadlessHostWindow::State>>& windows() const { return windows_; }
    // While set, openWindow answers null, as a desktop without video would.
    void refuseWindows(bool refuse) { refuseWindows_ = refuse; }

private:
    std::deque<std::function<void(WindowEvents&)>> pending_;
    std::vector<std::pair<std::string, std::string>> messages_;
    std::vector<std::pair<std::string, std::string>> questions_;
    std::deque<bool> answers_;
    std::vector<ProgressDialogRecord> dialogs_;
    DialogUser dialogUser_ = ProgressDialogModel::pressOnceTheButtonChanged;
    std::vector<std::shared_ptr<HeadlessHostWindow::State>> windows_;
    std::function<void()> pumpHook_;
    bool quitPosted_ = false;
    bool refuseWindows_ = false;
};

} // namespace platform
