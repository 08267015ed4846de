#include "objects/CMC_Scroll_Runner.h"

#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Scroll.h"
#include "script/CMC_ObjectsContainer.h"

void CMC_Scroll_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("ADD", ADD);
    putMethod("REMOVE", REMOVE);
    putMethod("SCROLLUP", SCROLLUP);
    putMethod("SCROLLDOWN", SCROLLDOWN);
    putMethod("SCROLLLEFT", SCROLLLEFT);
    putMethod("SCROLLRIGHT", SCROLLRIGHT);
    putMethod("SETVIEWPORT", SETVIEWPORT);
    putMethod("MOVEVIEWPORT", MOVEVIEWPORT);
    putMethod("MOVE", MOVE);
    putMethod("INVALIDATE", INVALIDATE);
}

CMC_Variable* CMC_Scroll_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* scroll = dynamic_cast<CMC_Scroll*>(object);
    if (scroll == nullptr || id < ADD || id > INVALIDATE)
        return CMC_Runner::run(id, object, container, arguments);
    CWindow* window = CMC_ObjectsContainer::windowOf(scroll->getScene());
    switch (id) {
    case ADD:
        scroll->add(stringArgument(arguments, 0));
        break;
    case REMOVE:
        scroll->remove(stringArgument(arguments, 0));
        break;
    case SCROLLUP:
        scroll->scrollUp(intArgument(arguments, 0));
        break;
    case SCROLLDOWN:
        scroll->scrollDown(intArgument(arguments, 0));
        break;
    case SCROLLLEFT:
        scroll->scrollLeft(intArgument(arguments, 0));
        break;
    case SCROLLRIGHT:
        scroll->scrollRight(intArgument(arguments, 0));
        break;
    case SETVIEWPORT:
        scroll->setViewport(CXRect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3)));
        break;
    case MOVEVIEWPORT:
        scroll->moveViewport(intArgument(arguments, 0), intArgument(arguments, 1));
        break;
    case MOVE:
        scroll->move(intArgument(arguments, 0), intArgument(arguments, 1));
        break;
    case INVALIDATE:
        scroll->invalidate();
        if (CRefreshScreen* screen = window != nullptr ? window->GetRefreshScreenInterface() : nullptr)
            screen->Invalidate(static_cast<CXRect*>(nullptr));
        return nullptr;
    default:
        break;
    }
    // The viewport's and everything's moves are drawn again wholly.
    if ((id == SETVIEWPORT || id == MOVEVIEWPORT || id == MOVE) && window != nullptr)
        window->Invalidate();
    return nullptr;
}
