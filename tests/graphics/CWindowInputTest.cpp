#include "WindowHarness.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace graphicstest {
namespace {

using KeyTest = WindowTest;

TEST_F(KeyTest, KeyPressesGoToTheHostFirstThenToEveryListener)
{
    RecordingHost host(log);
    RecordingKeyListener one(log, "one");
    RecordingKeyListener two(log, "two");
    window->registerKeyListener(&one);
    window->registerKeyListener(&two);
    window->registerKeyListener(&one);

    // No host: nothing is told.
    EXPECT_EQ(window->OnKeyDown(30, 0), 0);
    EXPECT_TRUE(takeLog().empty());

    window->SetApplicationInterface(&host);
    host.keyAnswer = 7;
    EXPECT_EQ(window->OnKeyDown(30, 0), 7);
    EXPECT_EQ(takeLog(), (Log{"host.key30", "one.down30", "two.down30"}));

    window->removeKeyListener(&one);
    EXPECT_EQ(window->OnKeyUp(30, 0), 0);
    EXPECT_EQ(window->OnChar(0xB9, 0), 0);
    EXPECT_EQ(takeLog(), (Log{"two.up30", "two.char\xB9"}));
}

// A device whose events a test thread writes and whose tick, on the window's poller thread,
// moves them into the poller's queue; flushSignals hands them to the window.
class QueuedMouse : public CInputPoller {
public:
    explicit QueuedMouse(CWindow& window) : window_(window) {}

    void feed(CXPoint press)
    {
        std::lock_guard hold(deviceLock_);
        device_.push_back(press);
    }
    // Waits until a tick has read everything fed so far.
    void waitUntilRead()
    {
        std::unique_lock hold(deviceLock_);
        read_.wait(hold, [this] { return device_.empty(); });
    }

    void tick() override
    {
        std::lock_guard hold(deviceLock_);
        queue_.insert(queue_.end(), device_.begin(), device_.end());
        device_.clear();
        read_.notify_all();
    }
    void flushSignals(bool deliver) override
    {
        for (CXPoint press : queue_)
            window_.OnLButtonDown(press, 0);
        queue_.clear();
    }

private:
    CWindow& window_;
    std::mutex deviceLock_;
    std::condition_variable read_;
    std::deque<CXPoint> device_;
    std::deque<CXPoint> queue_; // guarded by the window's lock
};

class ThreadRecordingListener : public CMouseListener {
public:
    bool onClick(CXPoint point) override
    {
        presses.push_back(point.x);
        threads.push_back(std::this_thread::get_id());
        return true;
    }
    std::vector<int> presses;
    std::vector<std::thread::id> threads;
};

TEST_F(KeyTest, EventsReadOnThePollerThreadReachListenersOnlyOnTheMainThreadInTheTurn)
{
    window = makeWindow(false);
    window->OnActivateApp(true);
    QueuedMouse mouse(*window);
    ThreadRecordingListener listener;
    window->registerMouseListener(&listener, 1);
    window->addIPoller(&mouse);
    ASSERT_TRUE(window->hasPollerThread());

    std::thread feeder([&] {
        for (int x = 1; x <= 3; ++x)
            mouse.feed(CXPoint(x, 0));
    });
    feeder.join();
    // The process's timers run the poller on their own thread once its period passed.
    clock.advance(CWindow::pollerPeriodMs);
    mouse.waitUntilRead();
    EXPECT_TRUE(listener.presses.empty());

    window->Tick();
    EXPECT_EQ(listener.presses, (std::vector<int>{1, 2, 3}));
    for (std::thread::id thread : listener.threads)
        EXPECT_EQ(thread, std::this_thread::get_id());

    window->removeIPoller(&mouse);
    window->removeMouseListener(&listener);
}

} // namespace
} // namespace graphicstest
