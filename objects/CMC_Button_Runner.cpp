#include "objects/CMC_Button_Runner.h"

#include "graphics/CButton.h"
#include "graphics/CGraphicsObject.h"
#include "objects/CMC_Button.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

void CMC_Button_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("SETRECT", SETRECT);
    putMethod("ENABLE", ENABLE);
    putMethod("DISABLE", DISABLE);
    putMethod("ENABLEDRAGGING", ENABLEDRAGGING);
    putMethod("DISABLEDRAGGING", DISABLEDRAGGING);
    putMethod("DISABLEBUTVISIBLE", DISABLEBUTVISIBLE);
    putMethod("ACCENT", ACCENT);
    putMethod("SETSTD", SETSTD);
    putMethod("SETONMOVE", SETONMOVE);
    putMethod("SETONCLICK", SETONCLICK);
    putMethod("SETPRIORITY", SETPRIORITY);
    putMethod("GETPRIORITY", GETPRIORITY);
    putMethod("GETSTD", GETSTD);
    putMethod("GETONMOVE", GETONMOVE);
    putMethod("GETONCLICK", GETONCLICK);
    putMethod("SYN", SYN);
}

CMC_Variable* CMC_Button_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* owner = dynamic_cast<CMC_Button*>(object);
    if (owner == nullptr || id < SETRECT || id > SYN)
        return CMC_Runner::run(id, object, container, arguments);
    CButton* button = owner->getButton();
    return button != nullptr ? runOn(id, owner, button, container, arguments) : emptyAnswer(id);
}

CMC_Variable* CMC_Button_Runner::emptyAnswer(int id)
{
    if (id == GETPRIORITY)
        return CMC_VariableFactory::makeInteger(0);
    if (id == GETSTD || id == GETONMOVE || id == GETONCLICK)
        return CMC_VariableFactory::makeString(CXString());
    return nullptr;
}

CMC_Variable* CMC_Button_Runner::runOn(int id, CMC_Button* owner, CButton* button, CMC_ObjectsContainer* container,
                                       CXVector* arguments)
{
    switch (id) {
    case SETRECT:
        setRect(owner, button, arguments);
        break;
    case ENABLE:
    case DISABLE:
        button->Enable(id == ENABLE);
        break;
    case ENABLEDRAGGING:
    case DISABLEDRAGGING:
        button->EnableDragging(id == ENABLEDRAGGING);
        break;
    case DISABLEBUTVISIBLE:
        button->DisableButVisible();
        break;
    case ACCENT:
        button->Accent(owner->graphicsOf(stringArgument(arguments, 0)), boolArgument(arguments, 1, false));
        break;
    case SETSTD:
        // The object keeps the definition's names: only the engine button changes.
        button->Set(owner->graphicsOf(stringArgument(arguments, 0)), nullptr, boolArgument(arguments, 1, true),
                    boolArgument(arguments, 2, false));
        break;
    case SETONMOVE:
        button->SetOnMove(owner->graphicsOf(stringArgument(arguments, 0)), button->GetSOOnMove());
        break;
    case SETONCLICK:
        button->SetOnClick(owner->graphicsOf(stringArgument(arguments, 0)), button->GetSOOnClick());
        break;
    case SETPRIORITY:
        button->setPriority(intArgument(arguments, 0));
        break;
    case GETPRIORITY:
        return CMC_VariableFactory::makeInteger(button->getPriority());
    case GETSTD:
        return ownerName(container, button->GetStandard());
    case GETONMOVE:
        return ownerName(container, button->GetOnMove());
    case GETONCLICK:
        return ownerName(container, button->GetOnClick());
    case SYN:
        button->SYN();
        break;
    }
    return nullptr;
}

void CMC_Button_Runner::setRect(CMC_Button* owner, CButton* button, CXVector* arguments)
{
    CXRect rect;
    if (argumentCount(arguments) == 1) {
        CGraphicsObject* area = owner->graphicsOf(stringArgument(arguments, 0));
        if (area != nullptr)
            rect = area->GetBoundingBox();
    } else {
        rect = CXRect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3));
    }
    button->SetActiveRect(rect);
}

CMC_Variable* CMC_Button_Runner::ownerName(CMC_ObjectsContainer* container, CGraphicsObject* graphics)
{
    return CMC_VariableFactory::makeString(container != nullptr ? container->getGraphicsObjectName(graphics, true) : CXString());
}
