#include "objects/CMC_Font_Runner.h"

#include "graphics/CFontCollection.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Font.h"
#include "objects/CMC_Media_Runner.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Integer.h"
#include "script/CMC_VariableFactory.h"

void CMC_Font_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("SETCOLOR", SETCOLOR);
    putMethod("SETSTYLE", SETSTYLE);
    putMethod("SETFAMILY", SETFAMILY);
    putMethod("SETSIZE", SETSIZE);
    putMethod("GETHEIGHT", GETHEIGHT);
}

CMC_Variable* CMC_Font_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* font = dynamic_cast<CMC_Font*>(object);
    CFontCollection* fonts = font != nullptr ? font->getFont() : nullptr;
    if (fonts == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case SETCOLOR: {
        CWindow* window = fonts->getWindow();
        font->setColor(CMC_Media_Runner::screenPixel(window, intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2)));
        if (window != nullptr)
            window->Invalidate();
        return nullptr;
    }
    case SETSTYLE:
        fonts->setStyle(stringArgument(arguments, 0));
        return nullptr;
    case SETFAMILY:
        fonts->setFamily(stringArgument(arguments, 0));
        return nullptr;
    case SETSIZE:
        fonts->setSize(intArgument(arguments, 0));
        return nullptr;
    case GETHEIGHT:
        // A collection without fonts is 0 high.
        return CMC_VariableFactory::makeInteger(fonts->Height());
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}
