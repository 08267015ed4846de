#pragma once

#include "graphics/CInputPoller.h"
#include "graphics/CKeyboardMap.h"

#include "foundation/CXObject.h"
#include "platform/Input.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class CWindow;

// The keyboard poller: reads the buffered keyboard on the poller thread, keeps which keys are
// down, and hands key-downs, key-ups and the characters they type (code page 1250, by the layout
// of the window's language) to the window's handlers on the main thread, at most once every
// 10 ms. With auto-repeat on, a held key is reported down, and its character typed, at every
// delivery until it is released. The window makes one and deletes it at its end.
class CKeyboard final : public CXObject, public CInputPoller {
public:
    // The shortest time between two deliveries.
    static constexpr uint32_t kDeliveryPeriodMs = 10;

    explicit CKeyboard(CWindow* window);
    ~CKeyboard() override;
    CKeyboard(const CKeyboard&) = delete;
    CKeyboard& operator=(const CKeyboard&) = delete;

    // Takes the layout of the window's language again.
    void initLanguage();
    void setAutoRepeat(bool autoRepeat) { autoRepeat_ = autoRepeat; }
    bool isAnyKeyPressed() const;
    // By name, letter case ignored: "left", "up", "down", "right", "lshift", "rshift", "shift",
    // "lctrl", "rctrl", "ctrl", "lalt", "ralt", "alt", "space"; any other name by its first
    // character: a blank, a digit or an upper-case letter.
    bool isKeyPressed(const CXString& name) const;
    // Delivers the character the key types, at once.
    void onChar(int key);

    void tick() override;
    void flushSignals(bool deliver) override;

    // Forgets when keys were last delivered (tests).
    static void resetStatics() { lastDelivery_ = 0; }

private:
    // A key waiting in the down or character queue. One released before it was ever delivered
    // stays for one delivery, so a quick tap is still reported.
    struct Pending {
        int key;
        bool delivered = false;
        bool released = false;
    };

    static constexpr size_t kReadSize = platform::Input::kKeyboardBufferSize;

    bool isDown(int key) const { return keyState_[key].load(std::memory_order_relaxed) != 0; }
    void press(int key);
    void release(int key);
    // A device that lost its input cannot report releases: every key held counts as released.
    void releaseAll();
    static void dropFirst(std::vector<Pending>& queue, int key);
    // After a delivery: without auto-repeat the queue empties; with it, keys released since go.
    void settle(std::vector<Pending>& queue);
    int charOf(int key) const;

    CWindow* window_;
    bool autoRepeat_ = true;
    // Read from the main thread without the window's lock.
    std::array<std::atomic<uint8_t>, 256> keyState_{};
    std::vector<platform::InputRecord> readBuffer_;
    std::vector<Pending> downQueue_;
    std::vector<int> upQueue_;
    std::vector<Pending> charQueue_;
    std::unique_ptr<CKeyboardMap> map_;

    static inline uint32_t lastDelivery_ = 0;
};
