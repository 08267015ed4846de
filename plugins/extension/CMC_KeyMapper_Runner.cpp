#include "plugins/extension/CMC_KeyMapper_Runner.h"

#include "graphics/CKeyboard.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Keyboard.h"
#include "script/CMC_Bool.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

#include <algorithm>

namespace {

const char kKeyboardName[] = "KEYBOARD";

std::string textOf(const CXString& text)
{
    return std::string(text.c_str(), static_cast<size_t>(text.getLength()));
}

} // namespace

void CMC_KeyMapper_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    registerShow(SHOW);
    registerMethod<&CMC_KeyMapper_Runner::setKeyMapping>(SETKEYMAPPING, "SETKEYMAPPING");
    registerMethod<&CMC_KeyMapper_Runner::getLatestKey>(GETLATESTKEY, "GETLATESTKEY");
    registerMethod<&CMC_KeyMapper_Runner::mapKey>(MAPKEY, "MAPKEY");
    registerMethod<&CMC_KeyMapper_Runner::isKeyDown>(ISKEYDOWN, "ISKEYDOWN");
    registerEmpty(EMPTY);
}

CMC_Variable* CMC_KeyMapper_Runner::setKeyMapping(CMC_Object*, CMC_ObjectsContainer*, CXVector* arguments)
{
    const std::string key = textOf(stringArgument(arguments, 0));
    const std::string name = textOf(stringArgument(arguments, 1));
    forward_.try_emplace(key, name);
    std::vector<std::string>& keys = reverse_[name];
    if (keys.empty())
        keys.push_back(name);
    keys.push_back(key);
    return nullptr;
}

CMC_Variable* CMC_KeyMapper_Runner::getLatestKey(CMC_Object*, CMC_ObjectsContainer* container, CXVector*)
{
    CMC_Keyboard* keyboard = lookUp<CMC_Keyboard>(container, kKeyboardName);
    return CMC_VariableFactory::makeString(keyboard != nullptr ? mapped(keyboard->getLatestKey()) : CXString());
}

CMC_Variable* CMC_KeyMapper_Runner::mapKey(CMC_Object*, CMC_ObjectsContainer*, CXVector* arguments)
{
    return CMC_VariableFactory::makeString(mapped(stringArgument(arguments, 0)));
}

CMC_Variable* CMC_KeyMapper_Runner::isKeyDown(CMC_Object*, CMC_ObjectsContainer* container, CXVector* arguments)
{
    const CXString name = stringArgument(arguments, 0);
    CMC_Keyboard* keyboard = lookUp<CMC_Keyboard>(container, kKeyboardName);
    CWindow* window = container != nullptr ? container->getWindow() : nullptr;
    const CKeyboard* keys = window != nullptr ? window->getKeyboardInterface() : nullptr;
    bool held = false;
    if (keyboard != nullptr && keys != nullptr) {
        const auto listed = reverse_.find(textOf(name));
        if (listed == reverse_.end()) {
            held = keys->isKeyPressed(name);
        } else if (keyboard->isEnabled()) {
            held = std::any_of(listed->second.begin(), listed->second.end(),
                               [keys](const std::string& key) { return keys->isKeyPressed(key.c_str()); });
        }
    }
    return CMC_VariableFactory::makeBool(held);
}

CXString CMC_KeyMapper_Runner::mapped(const CXString& key) const
{
    const auto found = forward_.find(textOf(key));
    return found != forward_.end() ? CXString(found->second.c_str()) : key;
}
