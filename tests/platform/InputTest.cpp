#include "platform/HeadlessInput.h"
#include "platform/JoystickDevice.h"
#include "platform/KeyCodes.h"
#include "platform/SdlInput.h"
#include "platform/SdlKeyTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

using platform::HeadlessInput;
using platform::InputDevice;
using platform::InputRecord;
using platform::InputResult;
using platform::kInputPressed;
namespace MouseOffset = platform::MouseOffset;
namespace key = platform::key;

struct Read {
    InputResult result;
    std::vector<InputRecord> records;
};

Read readAll(platform::Input& input, InputDevice device, size_t capacity = 2048)
{
    std::vector<InputRecord> out(capacity);
    size_t count = 99;
    const InputResult result = input.read(device, out.data(), out.size(), count);
    out.resize(count);
    return {result, out};
}

InputRecord press(int key) { return {static_cast<uint32_t>(key), kInputPressed}; }
InputRecord release(int key) { return {static_cast<uint32_t>(key), 0}; }

TEST(Input, RecordsOnlyWhileAcquiredAndReadsOldestFirstInBatches)
{
    HeadlessInput input;
    input.inject(InputDevice::Keyboard, press(key::A));
    EXPECT_EQ(readAll(input, InputDevice::Keyboard).result, InputResult::NotAcquired);

    ASSERT_EQ(input.acquire(InputDevice::Keyboard), InputResult::Ok);
    for (int k : {key::A, key::B, key::C})
        input.inject(InputDevice::Keyboard, press(k));
    input.inject(InputDevice::Keyboard, release(key::A));
    // The mouse is a device of its own.
    EXPECT_EQ(readAll(input, InputDevice::Mouse).result, InputResult::NotAcquired);
    EXPECT_EQ(input.buffered(InputDevice::Keyboard), 4u);
    EXPECT_EQ(input.buffered(InputDevice::Mouse), 0u);

    Read first = readAll(input, InputDevice::Keyboard, 3);
    EXPECT_EQ(first.result, InputResult::Ok);
    EXPECT_EQ(first.records, (std::vector{press(key::A), press(key::B), press(key::C)}));
    EXPECT_EQ(input.buffered(InputDevice::Keyboard), 1u);
    EXPECT_EQ(readAll(input, InputDevice::Keyboard).records, std::vector{release(key::A)});
    EXPECT_TRUE(readAll(input, InputDevice::Keyboard).records.empty());

    input.unacquire(InputDevice::Keyboard);
    input.inject(InputDevice::Keyboard, press(key::D));
    EXPECT_EQ(readAll(input, InputDevice::Keyboard).result, InputResult::NotAcquired);
}

TEST(Input, LosingTheFocusLosesAcquisitionAndRecords)
{
    HeadlessInput input;
    input.acquire(InputDevice::Keyboard);
    input.acquire(InputDevice::Mouse);
    input.inject(InputDevice::Keyboard, press(key::A));
    input.inject(InputDevice::Mouse, {MouseOffset::Button0, kInputPressed});

    input.setFocus(false);
    EXPECT_FALSE(input.hasFocus());
    input.inject(InputDevice::Keyboard, release(key::A));
    for (InputDevice device : {InputDevice::Keyboard, InputDevice::Mouse}) {
        EXPECT_EQ(readAll(input, device).result, InputResult::InputLost);
        EXPECT_EQ(input.acquire(device), InputResult::OtherAppHasPriority);
    }

    input.setFocus(true);
    ASSERT_EQ(input.acquire(InputDevice::Keyboard), InputResult::Ok);
    const Read afterwards = readAll(input, InputDevice::Keyboard);
    EXPECT_EQ(afterwards.result, InputResult::Ok);
    EXPECT_TRUE(afterwards.records.empty());
    // Never acquired again, the mouse is merely not acquired.
    input.unacquire(InputDevice::Mouse);
    EXPECT_EQ(readAll(input, InputDevice::Mouse).result, InputResult::NotAcquired);
}

TEST(Input, FullBufferDropsTheNewestAndReportsTheOverflowOnce)
{
    HeadlessInput input;
    input.acquire(InputDevice::Keyboard);
    for (size_t i = 0; i < platform::Input::kKeyboardBufferSize + 5; ++i)
        input.inject(InputDevice::Keyboard, press(static_cast<int>(i % 256)));
    const Read full = readAll(input, InputDevice::Keyboard);
    EXPECT_EQ(full.result, InputResult::BufferOverflow);
    ASSERT_EQ(full.records.size(), platform::Input::kKeyboardBufferSize);
    EXPECT_EQ(full.records.back(), press(static_cast<int>((platform::Input::kKeyboardBufferSize - 1) % 256)));
    EXPECT_EQ(readAll(input, InputDevice::Keyboard).result, InputResult::Ok);

    input.acquire(InputDevice::Mouse);
    for (uint32_t i = 0; i < platform::Input::kMouseBufferSize + 1; ++i)
        input.inject(InputDevice::Mouse, {MouseOffset::Button0 + i % 3, kInputPressed});
    EXPECT_EQ(readAll(input, InputDevice::Mouse).result, InputResult::BufferOverflow);
}

TEST(Input, MouseMovementsMergeUntilAButtonRecordFollows)
{
    HeadlessInput input;
    input.acquire(InputDevice::Mouse);
    auto at = [&](int x, InputRecord record) {
        input.setPointer({x, -x});
        input.inject(InputDevice::Mouse, record);
    };
    at(1, {MouseOffset::X, 3});
    at(2, {MouseOffset::Y, -1});
    at(3, {MouseOffset::X, 4});
    at(4, {MouseOffset::Wheel, 120});
    at(5, {MouseOffset::Y, -2});
    at(6, {MouseOffset::Button0, kInputPressed});
    at(7, {MouseOffset::X, 1});
    at(8, {MouseOffset::X, 1});
    // Records carry the pointer of their moment; a run of movements takes the newest.
    EXPECT_EQ(readAll(input, InputDevice::Mouse).records,
        (std::vector<InputRecord>{{MouseOffset::X, 7, 5, -5}, {MouseOffset::Y, -3, 5, -5}, {MouseOffset::Wheel, 120, 5, -5},
            {MouseOffset::Button0, kInputPressed, 6, -6}, {MouseOffset::X, 2, 8, -8}}));

    // A long drag never fills the small buffer.
    for (int i = 0; i < 100; ++i) {
        at(i, {MouseOffset::X, 1});
        at(i, {MouseOffset::Y, 1});
    }
    const Read drag = readAll(input, InputDevice::Mouse);
    EXPECT_EQ(drag.result, InputResult::Ok);
    EXPECT_EQ(drag.records, (std::vector<InputRecord>{{MouseOffset::X, 100, 99, -99}, {MouseOffset::Y, 100, 99, -99}}));
}

TEST(Input, ReacquiringStopsAtTheFirstAnswerThatIsNotALostInput)
{
    struct Counting final : platform::Input {
        std::vector<InputResult> answers;
        size_t calls = 0;
        InputResult acquire(InputDevice) override { return answers[std::min(calls++, answers.size() - 1)]; }
        void unacquire(InputDevice) override {}
        InputResult read(InputDevice, InputRecord*, size_t, size_t& count) override { return InputResult::Ok; }
        platform::InputPoint pointer() const override { return {}; }
        bool shiftDown() const override { return false; }
        bool altDown() const override { return false; }
        bool buttonHeld(int) const override { return false; }
        int joystickCount() override { return 0; }
        std::shared_ptr<platform::JoystickDevice> openJoystick(int) override { return nullptr; }
    };
    Counting once;
    once.answers = {InputResult::InputLost, InputResult::Ok};
    EXPECT_EQ(once.reacquire(InputDevice::Mouse), InputResult::Ok);
    EXPECT_EQ(once.calls, 2u);
    // A device that never comes back does not hold the poller for ever.
    Counting forever;
    forever.answers = {InputResult::InputLost};
    EXPECT_EQ(forever.reacquire(InputDevice::Keyboard), InputResult::InputLost);
    EXPECT_LT(forever.calls, 10u);
}

TEST(Input, PointerAndModifiersAreReadWithoutAcquiring)
{
    HeadlessInput input;
    platform::setInput(&input);
    EXPECT_EQ(&platform::input(), &input);
    platform::setInput(nullptr);
    EXPECT_EQ(&platform::input(), &platform::sdlInput());

    input.setPointer({-5, 612});
    input.setModifiers(true, false);
    EXPECT_EQ(input.pointer(), (platform::InputPoint{-5, 612}));
    EXPECT_TRUE(input.shiftDown());
    EXPECT_FALSE(input.altDown());
}

TEST(SdlInput, EventsBecomeRecordsOnceTheWindowHasTheFocus)
{
    platform::SdlInput input;
    EXPECT_EQ(input.acquire(InputDevice::Keyboard), InputResult::OtherAppHasPriority);
    input.onFocus(true, false, true);
    EXPECT_TRUE(input.altDown());
    input.acquire(InputDevice::Keyboard);
    input.acquire(InputDevice::Mouse);

    // USB usages: 4 is A, 225 the left Shift, 82 the up arrow.
    input.onKey(225, true, false, true, false);
    input.onKey(4, true, false, true, false);
    input.onKey(4, true, true, true, false);
    input.onKey(4, false, false, true, false);
    input.onKey(82, true, false, true, false);
    input.onKey(0x1FF, true, false, true, false);
    EXPECT_TRUE(input.shiftDown());
    EXPECT_FALSE(input.altDown());
    EXPECT_EQ(readAll(input, InputDevice::Keyboard).records,
        (std::vector{press(key::LeftShift), press(key::A), release(key::A), press(key::Up)}));

    input.onMotion(10, 20, 2, 0);
    input.onMotion(11, 20, 0, 0);
    input.onButton(3, true, 11, 21);
    input.onButton(2, true, 11, 21);
    input.onButton(1, false, 12, 22);
    input.onButton(9, true, 12, 22);
    input.onWheel(-1);
    input.onWheel(0);
    EXPECT_EQ(input.pointer(), (platform::InputPoint{12, 22}));
    EXPECT_EQ(readAll(input, InputDevice::Mouse).records,
        (std::vector<InputRecord>{{MouseOffset::X, 2, 11, 20}, {MouseOffset::Button0 + 1, kInputPressed, 11, 21},
            {MouseOffset::Button0 + 2, kInputPressed, 11, 21}, {MouseOffset::Button0, 0, 12, 22}, {MouseOffset::Wheel, -120, 12, 22}}));

    input.onFocus(false, false, false);
    EXPECT_EQ(readAll(input, InputDevice::Keyboard).result, InputResult::InputLost);
}

TEST(SdlKeyTable, MapsUsbUsagesToTheEngineKeyCodes)
{
    const std::map<int, int> expected = {
        {4, key::A}, {29, key::Z}, {30, key::Digit1}, {39, key::Digit0}, {40, key::Return}, {41, key::Escape},
        {42, key::Backspace}, {44, key::Space}, {58, key::F1}, {69, key::F12}, {76, key::Delete}, {79, key::Right},
        {80, key::Left}, {81, key::Down}, {82, key::Up}, {89, key::Pad1}, {98, key::Pad0}, {88, key::PadEnter},
        {224, key::LeftControl}, {225, key::LeftShift}, {226, key::LeftAlt}, {228, key::RightControl},
        {229, key::RightShift}, {230, key::RightAlt},
    };
    for (const auto& [usage, code] : expected)
        EXPECT_EQ(platform::SdlKeyTable::keyOf(usage), code) << "usage " << usage;
    EXPECT_EQ(platform::SdlKeyTable::keyOf(0), 0);
    EXPECT_EQ(platform::SdlKeyTable::keyOf(-1), 0);
    EXPECT_EQ(platform::SdlKeyTable::keyOf(100000), 0);

    // Every row names a real key, no scan code twice, and only keys that share a scan code on the
    // keyboard share a code here.
    std::set<int> scancodes;
    std::map<int, int> uses;
    for (const platform::SdlKeyTable::Row& row : platform::SdlKeyTable::rows()) {
        EXPECT_TRUE(scancodes.insert(row.scancode).second) << row.scancode;
        EXPECT_GT(row.key, 0);
        EXPECT_LT(row.key, 256);
        EXPECT_EQ(platform::SdlKeyTable::keyOf(row.scancode), row.key);
        ++uses[row.key];
    }
    for (const auto& [code, count] : uses) {
        if (code != key::Backslash && code != key::Mute) {
            EXPECT_EQ(count, 1) << "key " << code;
        }
    }
}

} // namespace

namespace {

using platform::JoystickAxis;
using platform::JoystickDevice;
using platform::JoystickState;

TEST(Joystick, SystemValuesBecomePositionsFromMinus1000To1000)
{
    const std::pair<int, int> cases[] = {
        {0, 0}, {16, 0}, {17, 1}, {-17, -1}, {32767, 1000}, {-32767, -1000}, {-32768, -1000},
        {16384, 500}, {-16384, -500}, {1671, 51}, {1654, 50}, {100000, 1000},
    };
    for (auto [systemValue, position] : cases)
        EXPECT_EQ(JoystickDevice::positionOf(systemValue), position) << systemValue;
}

TEST(Joystick, AControllerIsReadWhileAcquiredAndLostWithTheFocusOrItsPlug)
{
    JoystickDevice device(3);
    JoystickState state;
    // A device is in the foreground only once the input gives it the focus.
    EXPECT_EQ(device.acquire(), InputResult::OtherAppHasPriority);
    device.setFocus(true);
    EXPECT_EQ(device.read(state), InputResult::NotAcquired);
    ASSERT_EQ(device.acquire(), InputResult::Ok);
    device.setAxis(JoystickAxis::Y, -2000);
    device.setButton(2, true);
    device.setButton(3, true);
    ASSERT_EQ(device.read(state), InputResult::Ok);
    EXPECT_EQ(state.axis(JoystickAxis::Y), -1000);
    EXPECT_EQ(state.axis(JoystickAxis::X), 0);
    EXPECT_EQ(state.buttons, (std::vector<uint8_t>{0, 0, kInputPressed}));

    device.setFocus(false);
    EXPECT_EQ(device.read(state), InputResult::InputLost);
    EXPECT_EQ(device.reacquire(), InputResult::OtherAppHasPriority);
    device.setFocus(true);
    EXPECT_EQ(device.reacquire(), InputResult::Ok);
    device.unplug();
    EXPECT_EQ(device.read(state), InputResult::InputLost);
    EXPECT_EQ(device.reacquire(), InputResult::NotAcquired);
}

TEST(Joystick, FakeControllersOpenInOrderAndEveryDeviceFollowsItsController)
{
    HeadlessInput input;
    EXPECT_EQ(input.joystickCount(), 0);
    EXPECT_EQ(input.attachJoystick(2), 0);
    EXPECT_EQ(input.attachJoystick(1), 1);
    input.refuseJoystick(1);
    EXPECT_EQ(input.joystickCount(), 2);
    EXPECT_EQ(input.openJoystick(1), nullptr);
    EXPECT_EQ(input.openJoystick(2), nullptr);

    input.moveJoystick(0, JoystickAxis::Z, 300);
    std::shared_ptr<JoystickDevice> first = input.openJoystick(0);
    std::shared_ptr<JoystickDevice> again = input.openJoystick(0);
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->buttonCount(), 2);
    ASSERT_EQ(first->acquire(), InputResult::Ok);
    input.pressJoystickButton(0, 1, true);
    JoystickState state;
    ASSERT_EQ(first->read(state), InputResult::Ok);
    EXPECT_EQ(state.axis(JoystickAxis::Z), 300);
    EXPECT_EQ(state.buttons, (std::vector<uint8_t>{0, kInputPressed}));
    // Both devices lose the focus with the window; one let go is forgotten.
    again.reset();
    input.setFocus(false);
    EXPECT_EQ(first->read(state), InputResult::InputLost);
}

TEST(SdlInput, MouseButtonsAreHeldFromPressToRelease)
{
    platform::SdlInput input;
    input.onButton(1, true, 0, 0);
    input.onButton(3, true, 0, 0);
    EXPECT_TRUE(input.buttonHeld(0));
    EXPECT_TRUE(input.buttonHeld(1));
    EXPECT_FALSE(input.buttonHeld(2));
    input.onButton(1, false, 0, 0);
    EXPECT_FALSE(input.buttonHeld(0));
    EXPECT_FALSE(input.buttonHeld(-1));
    EXPECT_FALSE(input.buttonHeld(99));
}

} // namespace
