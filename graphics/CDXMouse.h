#pragma once

#include "graphics/CInputPoller.h"

#include "foundation/CXPoint.h"
#include "platform/Input.h"

#include <vector>

class CWindow;

// The mouse poller: reads the buffered mouse on the poller thread and hands moves and button
// presses and releases to the window's handlers on the main thread. Moves read one after the
// other collapse into one, at the newest position; every button event is kept, at the position
// where it happened. The window makes one and deletes it at its end.
class CDXMouse final : public CInputPoller {
public:
    explicit CDXMouse(CWindow* window);
    ~CDXMouse() override;
    CDXMouse(const CDXMouse&) = delete;
    CDXMouse& operator=(const CDXMouse&) = delete;

    // The newest mouse poller; null once it is gone.
    static CDXMouse* getSingleton() { return singleton_; }
    // Forgets the singleton (tests).
    static void resetStatics() { singleton_ = nullptr; }

    // The position of the last move queued, in client pixels.
    CXPoint getPosition() const { return position_; }
    // True acquires the device, false lets it go.
    platform::InputResult acquire(bool acquired);
    // Lets the device go until initialize() takes it again.
    void release();
    void initialize();

    void tick() override;
    void flushSignals(bool deliver) override;

private:
    enum SignalType { Move = 1, LeftDown, LeftUp, MiddleDown, MiddleUp, RightDown, RightUp };
    struct Signal {
        SignalType type;
        CXPoint point;
    };

    // How many records one tick reads at most.
    static constexpr size_t kReadSize = 20;

    void queueMove(CXPoint point);
    void queueButton(int button, bool pressed, CXPoint point);
    void deliver(const Signal& signal);

    CWindow* window_;
    bool hasDevice_ = false;
    CXPoint position_;
    bool leftDown_ = false;
    bool rightDown_ = false;
    bool middleDown_ = false;
    std::vector<Signal> queue_;

    static inline CDXMouse* singleton_ = nullptr;
};
