#include "graphics/CKeyboard.h"

#include "graphics/CWindow.h"

#include "foundation/CLanguageOSVer.h"
#include "platform/Clock.h"
#include "platform/KeyCodes.h"

#include <algorithm>
#include <span>

using platform::InputDevice;
using platform::InputResult;
namespace key = platform::key;

namespace {

struct NamedKey {
    const char* name;
    int key;
    int otherKey;
};

constexpr NamedKey namedKeys[] = {
    {"left", key::Left, 0},
    {"up", key::Up, 0},
    {"down", key::Down, 0},
    {"right", key::Right, 0},
    {"lshift", key::LeftShift, 0},
    {"rshift", key::RightShift, 0},
    {"shift", key::LeftShift, key::RightShift},
    {"lctrl", key::LeftControl, 0},
    {"rctrl", key::RightControl, 0},
    {"ctrl", key::LeftControl, key::RightControl},
    {"lalt", key::LeftAlt, 0},
    {"ralt", key::RightAlt, 0},
    {"alt", key::LeftAlt, key::RightAlt},
    {"space", key::Space, 0},
};

// The key a name stands for by its first character; 0 when it names none.
int keyOfFirstCharacter(char first)
{
    if (first == ' ')
        return key::Space;
    if (first == '0')
        return key::Digit0;
    if (first >= '1' && first <= '9')
        return key::Digit1 + (first - '1');
    return CKeyboardMap::keyOfLetter(static_cast<unsigned char>(first));
}

} // namespace

CKeyboard::CKeyboard(CWindow* window) : window_(window), readBuffer_(kReadSize)
{
    platform::input().acquire(InputDevice::Keyboard);
    initLanguage();
    window_->addIPoller(this);
}

CKeyboard::~CKeyboard()
{
    window_->removeIPoller(this);
    flushSignals(false);
    platform::input().unacquire(InputDevice::Keyboard);
}

void CKeyboard::initLanguage()
{
    const CLanguageOSVer* language = window_->getLangIfc();
    map_ = CKeyboardMap::forLanguage(language ? language->getLang() : static_cast<int>(CLanguageOSVer::OTHER));
}

bool CKeyboard::isAnyKeyPressed() const
{
    return std::any_of(keyState_.begin(), keyState_.end(), [](const std::atomic<uint8_t>& state) { return state.load(std::memory_order_relaxed) != 0; });
}

bool CKeyboard::isKeyPressed(const CXString& name) const
{
    for (const NamedKey& named : namedKeys)
        if (name.equalsIgnoreCase(named.name))
            return isDown(named.key) || (named.otherKey != 0 && isDown(named.otherKey));
    if (!name.IsString())
        return false;
    const int keyCode = keyOfFirstCharacter(name.c_str()[0]);
    return keyCode != 0 && isDown(keyCode);
}

void CKeyboard::onChar(int keyCode)
{
    const int ch = charOf(keyCode);
    if (ch != 0)
        window_->OnChar(ch, 0);
}

int CKeyboard::charOf(int keyCode) const
{
    const platform::Input& input = platform::input();
    return map_->charOf(keyCode, input.shiftDown(), input.altDown());
}

void CKeyboard::tick()
{
    platform::Input& input = platform::input();
    size_t count = 0;
    const InputResult result = input.read(InputDevice::Keyboard, readBuffer_.data(), readBuffer_.size(), count);
    // A full buffer lost records too, releases among them.
    if (result != InputResult::Ok) {
        releaseAll();
        input.reacquire(InputDevice::Keyboard);
        return;
    }
    for (const platform::InputRecord& record : std::span(readBuffer_.data(), count)) {
        if (record.offset >= keyState_.size())
            continue;
        const int keyCode = static_cast<int>(record.offset);
        if ((record.data & platform::kInputPressed) != 0)
            press(keyCode);
        else
            release(keyCode);
    }
}

void CKeyboard::press(int keyCode)
{
    // The device's own repeat of a held key is no new press.
    if (isDown(keyCode))
        return;
    keyState_[keyCode].store(platform::kInputPressed, std::memory_order_relaxed);
    downQueue_.push_back({keyCode});
    charQueue_.push_back({keyCode});
}

void CKeyboard::release(int keyCode)
{
    if (!isDown(keyCode))
        return;
    keyState_[keyCode].store(0, std::memory_order_relaxed);
    if (autoRepeat_) {
        dropFirst(downQueue_, keyCode);
        dropFirst(charQueue_, keyCode);
    }
    upQueue_.push_back(keyCode);
}

void CKeyboard::releaseAll()
{
    for (int keyCode = 0; keyCode < static_cast<int>(keyState_.size()); ++keyCode)
        release(keyCode);
}

void CKeyboard::dropFirst(std::vector<Pending>& queue, int keyCode)
{
    const auto pending = std::find_if(queue.begin(), queue.end(), [keyCode](const Pending& p) { return p.key == keyCode && !p.released; });
    if (pending == queue.end())
        return;
    if (pending->delivered)
        queue.erase(pending);
    else
        pending->released = true;
}

void CKeyboard::settle(std::vector<Pending>& queue)
{
    if (!autoRepeat_) {
        queue.clear();
        return;
    }
    std::erase_if(queue, [](const Pending& p) { return p.released; });
    for (Pending& pending : queue)
        pending.delivered = true;
}

void CKeyboard::flushSignals(bool deliver)
{
    const uint32_t now = platform::clock().tickMs();
    if (now - lastDelivery_ < kDeliveryPeriodMs)
        return;
    // Handlers run scripts; the queues are read from copies so that nothing they do disturbs the walk.
    const std::vector<Pending> downs = downQueue_;
    settle(downQueue_);
    std::vector<int> ups;
    ups.swap(upQueue_);
    const std::vector<Pending> chars = charQueue_;
    settle(charQueue_);
    if (deliver) {
        for (const Pending& pending : downs)
            window_->OnKeyDown(pending.key, 0);
        for (int keyCode : ups)
            window_->OnKeyUp(keyCode, 0);
        for (const Pending& pending : chars)
            onChar(pending.key);
    }
    lastDelivery_ = now;
}
