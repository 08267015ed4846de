#pragma once

// A device read on the window's input-poller thread and delivered on the main thread: the mouse
// and keyboard pollers, the joystick. Registered with the window once (addIPoller) and removed
// before it is destroyed (removeIPoller).
class CInputPoller {
public:
    virtual ~CInputPoller() = default;

    // Reads the device and queues its events: on the poller thread under the window's lock, or on
    // the main thread within the turn when the window runs no poller thread.
    virtual void tick() = 0;
    // Main thread, within the turn, under the window's lock: hands every queued event to the
    // window's handlers when `deliver` is true (the window always passes true), and empties the
    // queue.
    virtual void flushSignals(bool deliver) = 0;
};
