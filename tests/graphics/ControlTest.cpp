#include "graphics/CControl.h"
#include "graphics/CControlNotifier.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Writes "name.what@x,y" for every notification and runs a hook after it.
class RecordingNotifier : public CControlNotifier {
public:
    RecordingNotifier(Log& log, std::string name) : log_(log), name_(std::move(name)) {}

    void onControlOnMove(CControl* c, CXPoint p) override { record("move", p); }
    void onControlFocusOn(CControl* c, CXPoint p) override { record("focuson", p); }
    void onControlFocusOff(CControl* c, CXPoint p) override { record("focusoff", p); }
    void onControlClicked(CControl* c, CXPoint p) override { record("clicked", p); }
    void onControlReleased(CControl* c, CXPoint p) override { record("released", p); }
    void onControlAction(CControl* c, CXPoint p) override { record("action", p); }
    void onControlPopup(CControl* c, CXPoint p) override { record("popup", p); }
    void onStartDragging(CControl* c, CXPoint p) override { record("startdrag", p); }
    void onDragging(CControl* c, CXPoint p) override { record("drag", p); }
    void onEndDragging(CControl* c, CXPoint p) override { record("enddrag", p); }

    std::function<void()> after;

private:
    void record(const std::string& what, CXPoint p)
    {
        log_.push_back(name_ + "." + what + "@" + std::to_string(p.x) + "," + std::to_string(p.y));
        if (after)
            after();
    }

    Log& log_;
    std::string name_;
};

TEST(Control, EveryEventTellsEveryNotifierInOrderAndAnswersZero)
{
    CControl control(nullptr);
    // With no notifiers every operation still answers.
    EXPECT_EQ(control.onClick(CXPoint(1, 1)), 0);

    Log log;
    RecordingNotifier first(log, "a");
    RecordingNotifier second(log, "b");
    control.addNotifier(&first);
    control.addNotifier(nullptr);
    control.addNotifier(&second);
    // A disabled base control still tells: the flag is its owner's.
    control.Enable(false);

    struct Event {
        std::function<int(CControl&, CXPoint)> fire;
        const char* told;
    };
    auto none = [](void (CControl::*op)(CXPoint)) {
        return [op](CControl& c, CXPoint p) {
            (c.*op)(p);
            return 0;
        };
    };
    const Event events[] = {
        {[](CControl& c, CXPoint p) { return c.onMouseMove(p); }, "move"},
        {[](CControl& c, CXPoint p) { return c.onFocusOn(p); }, "focuson"},
        {[](CControl& c, CXPoint p) { return c.onFocusOff(p); }, "focusoff"},
        {[](CControl& c, CXPoint p) { return c.onClick(p); }, "clicked"},
        {[](CControl& c, CXPoint p) { return c.onRelease(p); }, "released"},
        {[](CControl& c, CXPoint p) { return c.onRClick(p); }, "popup"},
        {none(&CControl::onAction), "action"},
        {none(&CControl::onStartDragging), "startdrag"},
        {none(&CControl::onDragging), "drag"},
        {none(&CControl::onEndDragging), "enddrag"},
    };
    for (const Event& event : events) {
        log.clear();
        EXPECT_EQ(event.fire(control, CXPoint(3, -4)), 0);
        EXPECT_EQ(log, (Log{std::string("a.") + event.told + "@3,-4", std::string("b.") + event.told + "@3,-4"}));
    }
}

TEST(Control, NotifiersChangedDuringARoundAreSkippedOnceRemovedAndNewcomersWait)
{
    CControl control(nullptr);
    Log log;
    RecordingNotifier quitter(log, "quitter");
    RecordingNotifier removed(log, "removed");
    RecordingNotifier stays(log, "stays");
    RecordingNotifier newcomer(log, "newcomer");
    for (RecordingNotifier* n : {&quitter, &removed, &stays})
        control.addNotifier(n);
    quitter.after = [&] {
        control.removeNotifier(&quitter);
        control.removeNotifier(&removed);
        control.addNotifier(&newcomer);
        quitter.after = nullptr;
    };
    control.onClick(CXPoint(0, 0));
    EXPECT_EQ(log, (Log{"quitter.clicked@0,0", "stays.clicked@0,0"}));
    log.clear();
    control.onRelease(CXPoint(0, 0));
    EXPECT_EQ(log, (Log{"stays.released@0,0", "newcomer.released@0,0"}));
}

TEST(Control, AControlDestroyedByANotifierEndsTheRound)
{
    auto control = std::make_unique<CControl>(nullptr);
    Log log;
    RecordingNotifier destroyer(log, "destroyer");
    RecordingNotifier next(log, "next");
    control->addNotifier(&destroyer);
    control->addNotifier(&next);
    const std::shared_ptr<const bool> alive = control->lifeToken();
    destroyer.after = [&] { control.reset(); };
    CControl* raw = control.get();
    raw->onAction(CXPoint(1, 2));
    EXPECT_EQ(log, (Log{"destroyer.action@1,2"}));
    EXPECT_FALSE(*alive);
}

} // namespace
