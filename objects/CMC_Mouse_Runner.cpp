#include "objects/CMC_Mouse_Runner.h"

#include "graphics/CWindow.h"
#include "objects/CMC_Mouse.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_VariableFactory.h"

void CMC_Mouse_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    static constexpr struct {
        const char* name;
        Method id;
    } methods[] = {
        {"SHOW", SHOW},
        {"HIDE", HIDE},
        {"ENABLE", ENABLE},
        {"DISABLE", DISABLE},
        {"GETPOSX", GETPOSX},
        {"GETPOSY", GETPOSY},
        {"GETLASTCLICKPOSX", GETLASTCLICKPOSX},
        {"GETLASTCLICKPOSY", GETLASTCLICKPOSY},
        {"SET", SET},
        {"SETPOSITION", SETPOSITION},
        {"MOVE", MOVE},
        {"CLICK", CLICK},
        {"ENABLESIGNAL", ENABLESIGNAL},
        {"DISABLESIGNAL", DISABLESIGNAL},
        {"MOUSERELEASE", MOUSERELEASE},
        {"SETCLIPRECT", SETCLIPRECT},
        {"LOCKACTIVECURSOR", LOCKACTIVECURSOR},
        {"ISLBUTTONDOWN", ISLBUTTONDOWN},
        {"ISRBUTTONDOWN", ISRBUTTONDOWN},
        {"SETACTIVERECT", SETACTIVERECT},
    };
    for (const auto& method : methods)
        putMethod(method.name, method.id);
}

CMC_Variable* CMC_Mouse_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* mouse = dynamic_cast<CMC_Mouse*>(object);
    if (mouse == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case SHOW:
        mouse->show();
        return nullptr;
    case HIDE:
        mouse->hide();
        return nullptr;
    case ENABLE:
        mouse->enable();
        return nullptr;
    case DISABLE:
        mouse->disable();
        return nullptr;
    case GETPOSX:
        return CMC_VariableFactory::makeInteger(mouse->getPosX());
    case GETPOSY:
        return CMC_VariableFactory::makeInteger(mouse->getPosY());
    case GETLASTCLICKPOSX:
        return CMC_VariableFactory::makeInteger(mouse->getLastClickPosX());
    case GETLASTCLICKPOSY:
        return CMC_VariableFactory::makeInteger(mouse->getLastClickPosY());
    case SET:
        mouse->set(stringArgument(arguments, 0));
        return nullptr;
    case SETPOSITION:
        mouse->setPosition(intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
    case MOVE:
        mouse->move(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)));
        return nullptr;
    case CLICK:
    case MOUSERELEASE:
        pressButton(mouse, arguments, id == CLICK);
        return nullptr;
    case ENABLESIGNAL:
    case DISABLESIGNAL:
        mouse->enableSignals(id == ENABLESIGNAL);
        return nullptr;
    case SETCLIPRECT: {
        const CXRect rect = rectangle(arguments);
        if (rect == CXRect())
            CMC_Mouse::reset(mouse->getWindow(), true);
        else
            mouse->setClipRect(rect.left, rect.top, rect.right, rect.bottom);
        return nullptr;
    }
    case LOCKACTIVECURSOR:
        if (CWindow* window = mouse->getWindow())
            window->lockActiveCursor(boolArgument(arguments, 0));
        return nullptr;
    case ISLBUTTONDOWN:
    case ISRBUTTONDOWN:
        return CMC_VariableFactory::makeBool(CWindow::isMouseButtonDown(id == ISLBUTTONDOWN ? 0 : 1));
    case SETACTIVERECT:
        mouse->setActiveRect(rectangle(arguments));
        return nullptr;
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}

CXRect CMC_Mouse_Runner::rectangle(CXVector* arguments)
{
    return CXRect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3));
}

void CMC_Mouse_Runner::pressButton(CMC_Mouse* mouse, CXVector* arguments, bool press)
{
    CWindow* window = mouse->getWindow();
    if (window == nullptr)
        return;
    const CXPoint point(intArgument(arguments, 0), intArgument(arguments, 1));
    const CXString button = stringArgument(arguments, 2, "LEFT");
    if (button == "LEFT")
        press ? window->OnLButtonDown(point, 0) : window->OnLButtonUp(point, 0);
    else if (button == "MIDDLE")
        press ? window->OnMButtonDown(point, 0) : window->OnMButtonUp(point, 0);
    else if (button == "RIGHT")
        press ? window->OnRButtonDown(point, 0) : window->OnRButtonUp(point, 0);
}
