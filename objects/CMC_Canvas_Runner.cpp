#include "objects/CMC_Canvas_Runner.h"

#include "graphics/CCanvas.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Canvas.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_VariableFactory.h"

#include <algorithm>

namespace {

using S = CMC_Media_Runner::Shared;

const CMC_Media_Runner::Method kMethods[] = {
    {"ADD", CMC_Canvas_Runner::ADD, S::None},
    {"REMOVE", CMC_Canvas_Runner::REMOVE, S::None},
    {"SHOW", CMC_Canvas_Runner::SHOW, S::None},
    {"HIDE", CMC_Canvas_Runner::HIDE, S::None},
    {"SETPRIORITY", CMC_Canvas_Runner::SETPRIORITY, S::None},
    {"SETPOSITION", CMC_Canvas_Runner::SETPOSITION, S::None},
    {"MOVE", CMC_Canvas_Runner::MOVE, S::None},
    {"CLEAR", CMC_Canvas_Runner::CLEAR, S::None},
    {"CAPTURE", CMC_Canvas_Runner::CAPTURE, S::None},
    {"SETOPACITY", CMC_Canvas_Runner::SETOPACITY, S::None},
    {"SETASBUTTON", CMC_Canvas_Runner::SETASBUTTON, S::None},
    {"ERASE", CMC_Canvas_Runner::ERASE, S::None},
    {"DRAW", CMC_Canvas_Runner::DRAW, S::None},
    {"SAVE", CMC_Canvas_Runner::SAVE, S::None},
    {"GETPOSITIONX", CMC_Canvas_Runner::GETPOSITIONX, S::None},
    {"GETPOSITIONY", CMC_Canvas_Runner::GETPOSITIONY, S::None},
    {"GETWIDTH", CMC_Canvas_Runner::GETWIDTH, S::None},
    {"GETHEIGHT", CMC_Canvas_Runner::GETHEIGHT, S::None},
    {"GETNUMVISIBLEPIXELS", CMC_Canvas_Runner::GETNUMVISIBLEPIXELS, S::None},
    {"RECREATE", CMC_Canvas_Runner::RECREATE, S::None},
};

} // namespace

void CMC_Canvas_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

CMC_Variable* CMC_Canvas_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* canvasObject = dynamic_cast<CMC_Canvas*>(object);
    CCanvas* canvas = canvasObject != nullptr ? canvasObject->getCanvas() : nullptr;
    if (canvas == nullptr || id < ADD || id > RECREATE)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = canvasObject->getScene();
    if (runContent(id, canvasObject, canvas, container, arguments))
        return nullptr;
    return runGeometry(id, canvasObject, canvas, arguments);
}

bool CMC_Canvas_Runner::runContent(int id, CMC_Canvas* object, CCanvas* canvas, CMC_ObjectsContainer* container,
                                   CXVector* arguments)
{
    switch (id) {
    case ADD:
        object->add(stringArgument(arguments, 0), argumentCount(arguments) >= 2 ? intArgument(arguments, 1) : 0);
        return true;
    case REMOVE:
        canvas->remove(pictureNamed(container, stringArgument(arguments, 0)));
        return true;
    case CLEAR:
        canvas->removeAll();
        canvas->clear(true);
        canvas->Invalidate();
        return true;
    case CAPTURE:
        object->capture(argumentCount(arguments) == 0 || boolArgument(arguments, 0));
        return true;
    case ERASE:
        canvas->erase(pictureNamed(container, stringArgument(arguments, 0)), intArgument(arguments, 1), intArgument(arguments, 2));
        return true;
    case DRAW: {
        CGraphicsObject* picture = pictureNamed(container, stringArgument(arguments, 0));
        if (picture != nullptr)
            canvas->draw(picture->getDrawn(), intArgument(arguments, 1), intArgument(arguments, 2));
        return true;
    }
    case SAVE:
        // What is saved is the picture as the screen would show it now.
        canvas->compose();
        savePicture(canvas, arguments, false);
        return true;
    case RECREATE:
        object->create(CXSize(intArgument(arguments, 0), intArgument(arguments, 1)), boolArgument(arguments, 2),
                       boolArgument(arguments, 3), intArgument(arguments, 4), boolArgument(arguments, 5));
        return true;
    default:
        return false;
    }
}

CMC_Variable* CMC_Canvas_Runner::runGeometry(int id, CMC_Canvas* object, CCanvas* canvas, CXVector* arguments)
{
    CXPoint at = canvas->getPosition();
    switch (id) {
    case SHOW:
    case HIDE:
        canvas->Visible(id == SHOW);
        return nullptr;
    case SETPRIORITY:
        if (CRefreshScreen* screen = canvas->getWindow() != nullptr ? canvas->getWindow()->GetRefreshScreenInterface() : nullptr)
            screen->SetPriority(canvas, intArgument(arguments, 0));
        canvas->Invalidate();
        return nullptr;
    case SETPOSITION:
        placeAt(canvas, intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
    case MOVE:
        canvas->Move(intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
    case SETOPACITY:
        canvas->SetOpacity(static_cast<unsigned char>(intArgument(arguments, 0)));
        return nullptr;
    case SETASBUTTON:
        object->setAsButton(boolArgument(arguments, 0), argumentCount(arguments) < 2 || boolArgument(arguments, 1));
        return nullptr;
    case GETPOSITIONX:
        return CMC_VariableFactory::makeInteger(at.x);
    case GETPOSITIONY:
        return CMC_VariableFactory::makeInteger(at.y);
    case GETWIDTH:
        return CMC_VariableFactory::makeInteger(canvas->Width());
    case GETHEIGHT:
        return CMC_VariableFactory::makeInteger(canvas->Height());
    case GETNUMVISIBLEPIXELS:
        return CMC_VariableFactory::makeInteger(visiblePixels(canvas));
    default:
        return nullptr;
    }
}

int CMC_Canvas_Runner::visiblePixels(CCanvas* canvas)
{
    CGraphicsObject* background = canvas->getBackground();
    const uint8_t* alpha = background != nullptr ? background->GetChannelAlpha() : nullptr;
    if (alpha == nullptr || background->GetCompression() != COMPRESSION_NONE)
        return 0;
    int64_t count = int64_t(background->Width()) * background->Height();
    return int(std::count_if(alpha, alpha + count, [](uint8_t value) { return value != 0; }));
}
