#include "objects/CMC_Keyboard.h"

#include "graphics/CWindow.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

#include <array>
#include <string>

namespace {

enum Signal { ONCHAR = 3, ONKEYDOWN = 4, ONKEYUP = 5 };

using KeyNames = std::array<std::string, 256>;

KeyNames makeKeyNames()
{
    KeyNames names;
    // Rows of keys named by their characters, one character each.
    static constexpr struct {
        int first;
        const char* characters;
    } rows[] = {{2, "1234567890"}, {16, "QWERTYUIOP"}, {30, "ASDFGHJKL"}, {44, "ZXCVBNM"},
                // The numeric pad, named as the main row.
                {71, "789"}, {75, "456"}, {79, "1230"}};
    for (const auto& row : rows) {
        for (int i = 0; row.characters[i] != '\0'; ++i)
            names[size_t(row.first + i)] = std::string(1, row.characters[i]);
    }
    static const char* const kFunctionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10"};
    for (size_t i = 0; i < std::size(kFunctionKeys); ++i)
        names[59 + i] = kFunctionKeys[i];
    static constexpr struct {
        int key;
        const char* name;
    } singles[] = {{1, "ESC"},    {15, "TAB"},   {28, "ENTER"},    {29, "LCTRL"},  {42, "LSHIFT"},  {54, "RSHIFT"},
                   {56, "LALT"},  {57, "SPACE"}, {58, "CAPSLOCK"}, {87, "F11"},    {88, "F12"},     {157, "RCTRL"},
                   {184, "RALT"}, {199, "HOME"}, {200, "UP"},      {201, "PGUP"},  {203, "LEFT"},   {205, "RIGHT"},
                   {207, "END"},  {208, "DOWN"}, {209, "PGDN"},    {210, "INSERT"}, {211, "DELETE"}};
    for (const auto& single : singles)
        names[size_t(single.key)] = single.name;
    return names;
}

} // namespace

const CSignalList& CMC_Keyboard::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONCHAR", "ONKEYDOWN", "ONKEYUP"};
    return list;
}

CXString CMC_Keyboard::getKeySignal(int key)
{
    static const KeyNames names = makeKeyNames();
    return key >= 0 && key < int(names.size()) ? CXString(names[size_t(key)].c_str()) : CXString();
}

CMC_Keyboard::CMC_Keyboard(CMC_ObjectsContainer* container)
    : CMC_Object("KEYBOARD", script::TYPE_KEYBOARD), window_(CMC_ObjectsContainer::windowOf(container))
{
    setScene(container);
    overideSignals(false);
    if (window_ != nullptr)
        window_->registerKeyListener(this);
}

CMC_Keyboard::CMC_Keyboard(CMC_ObjectsContainer* container, CMElement* element) : CMC_Keyboard(container)
{
    initializeBehaviours(container, element);
}

CMC_Keyboard::~CMC_Keyboard()
{
    beginDestruction();
    if (window_ != nullptr)
        window_->removeKeyListener(this);
}

CXString** CMC_Keyboard::getBehavioursList()
{
    return signalList().make();
}

void CMC_Keyboard::onKeyDown(int key)
{
    const CXString name = getKeySignal(key);
    if (enabled_ && name.getLength() > 0) {
        if (latestKeys_.size() == kLatestKeysKept)
            latestKeys_.pop_front();
        latestKeys_.push_back(name);
    }
    raiseKey(ONKEYDOWN, "ONKEYDOWN", key);
}

void CMC_Keyboard::onKeyUp(int key)
{
    raiseKey(ONKEYUP, "ONKEYUP", key);
}

void CMC_Keyboard::raiseKey(int signalIndex, const char* signal, int key)
{
    if (!enabled_ || !isSignalHandled(signalIndex))
        return;
    latestKey_ = getKeySignal(key);
    if (latestKey_.getLength() > 0)
        raiseSpecificOrPlain(signal, latestKey_);
    else
        onSignal(signal);
}

void CMC_Keyboard::onChar(unsigned char ch)
{
    if (!enabled_ || !isSignalHandled(ONCHAR))
        return;
    const char typed[2] = {static_cast<char>(ch), '\0'};
    latestKey_ = CXString(typed);
    raiseSpecificOrPlain("ONCHAR", latestKey_);
}
