#include "objects/CMC_Keyboard_Runner.h"

#include "graphics/CKeyboard.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Keyboard.h"
#include "script/CMC_Bool.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"
#include "script/CValueList.h"

void CMC_Keyboard_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("ENABLE", ENABLE);
    putMethod("DISABLE", DISABLE);
    putMethod("SETAUTOREPEAT", SETAUTOREPEAT);
    putMethod("ISKEYDOWN", ISKEYDOWN);
    putMethod("GETLATESTKEY", GETLATESTKEY);
    putMethod("ISENABLED", ISENABLED);
    putMethod("GETLATESTKEYS", GETLATESTKEYS);
}

CMC_Variable* CMC_Keyboard_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* keyboard = dynamic_cast<CMC_Keyboard*>(object);
    if (keyboard == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case ENABLE:
        keyboard->enable();
        return nullptr;
    case DISABLE:
        keyboard->disable();
        return nullptr;
    case SETAUTOREPEAT:
        if (CWindow* window = keyboard->getWindow())
            window->getKeyboardInterface()->setAutoRepeat(boolArgument(arguments, 0));
        return nullptr;
    case ISKEYDOWN:
        return isKeyDown(keyboard, arguments);
    case GETLATESTKEY:
        return CMC_VariableFactory::makeString(keyboard->getLatestKey());
    case ISENABLED:
        return CMC_VariableFactory::makeBool(keyboard->isEnabled());
    case GETLATESTKEYS:
        moveLatestKeys(keyboard, container, arguments);
        return nullptr;
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}

CMC_Variable* CMC_Keyboard_Runner::isKeyDown(CMC_Keyboard* keyboard, CXVector* arguments)
{
    CWindow* window = keyboard->getWindow();
    const CKeyboard* keys = window != nullptr ? window->getKeyboardInterface() : nullptr;
    bool held = false;
    if (keys != nullptr && argumentCount(arguments) == 0)
        held = keys->isAnyKeyPressed();
    else if (keys != nullptr)
        held = keyboard->isEnabled() && keys->isKeyPressed(stringArgument(arguments, 0));
    return CMC_VariableFactory::makeBool(held);
}

void CMC_Keyboard_Runner::moveLatestKeys(CMC_Keyboard* keyboard, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CMC_Object* target = objectArgument(arguments, 0, container);
    auto* list = dynamic_cast<CValueList*>(target);
    if (list == nullptr)
        return;
    // The array's change handlers may delete either object.
    CMC_ObjectRef keyboardAlive(keyboard);
    CMC_ObjectRef listAlive(target);
    while (keyboardAlive.isAlive() && listAlive.isAlive() && !keyboard->getLatestKeys().empty()) {
        CMC_String name("", keyboard->getLatestKeys().front());
        keyboard->getLatestKeys().pop_front();
        list->add(&name);
    }
}
