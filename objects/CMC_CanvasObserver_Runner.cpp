#include "objects/CMC_CanvasObserver_Runner.h"

#include "graphics/CDirectDrawSurface.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CStamp.h"
#include "graphics/CWindow.h"
#include "objects/CMC_CanvasObserver.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

namespace {

using S = CMC_Media_Runner::Shared;

const CMC_Media_Runner::Method kMethods[] = {
    {"REFRESH", CMC_CanvasObserver_Runner::REFRESH, S::None},
    {"ADD", CMC_CanvasObserver_Runner::ADD, S::None},
    {"REMOVE", CMC_CanvasObserver_Runner::REMOVE, S::None},
    {"SETBACKGROUND", CMC_CanvasObserver_Runner::SETBACKGROUND, S::None},
    {"GETGRAPHICSAT", CMC_CanvasObserver_Runner::GETGRAPHICSAT, S::None},
    {"MOVEBKG", CMC_CanvasObserver_Runner::MOVEBKG, S::None},
    {"SETBKGPOS", CMC_CanvasObserver_Runner::SETBKGPOS, S::None},
    {"SAVE", CMC_CanvasObserver_Runner::SAVE, S::None},
    {"ENABLENOTIFY", CMC_CanvasObserver_Runner::ENABLENOTIFY, S::None},
    {"REDRAW", CMC_CanvasObserver_Runner::REDRAW, S::None},
    {"GETBPP", CMC_CanvasObserver_Runner::GETBPP, S::None},
    {"PASTE", CMC_CanvasObserver_Runner::PASTE, S::None},
    {"GETGRAPHICSAT2", CMC_CanvasObserver_Runner::GETGRAPHICSAT2, S::None},
};

void invalidate(CRefreshScreen* screen)
{
    screen->Invalidate(static_cast<CXRect*>(nullptr));
}

} // namespace

void CMC_CanvasObserver_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

CMC_Variable* CMC_CanvasObserver_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* observer = dynamic_cast<CMC_CanvasObserver*>(object);
    CRefreshScreen* screen = observer != nullptr ? observer->getCanvas() : nullptr;
    if (screen == nullptr || id < REFRESH || id > GETGRAPHICSAT2)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = observer->getScene();
    if (runPictures(id, screen, container, arguments))
        return nullptr;
    switch (id) {
    case GETGRAPHICSAT:
    case GETGRAPHICSAT2:
        return graphicsAt(observer, container, arguments, id == GETGRAPHICSAT2);
    case SAVE:
        if (CGraphicsObject* shown = screen->getRefreshDestiny())
            savePicture(shown, arguments, true);
        return nullptr;
    case ENABLENOTIFY:
        observer->enableNotify(boolArgument(arguments, 0));
        return nullptr;
    case REDRAW:
        invalidate(screen);
        if (CWindow* window = screen->getWindow())
            window->Redraw(false);
        return nullptr;
    case GETBPP:
        return CMC_VariableFactory::makeInteger(screen->GetBpp());
    default:
        return nullptr;
    }
}

bool CMC_CanvasObserver_Runner::runPictures(int id, CRefreshScreen* screen, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CDirectDrawSurface* background = screen->getBackgroundIfc();
    switch (id) {
    case REFRESH:
        invalidate(screen);
        return true;
    case ADD:
        screen->put(pictureNamed(container, stringArgument(arguments, 0)), argumentCount(arguments) >= 2 ? intArgument(arguments, 1) : 1000);
        return true;
    case REMOVE:
        *screen >> pictureNamed(container, stringArgument(arguments, 0));
        return true;
    case SETBACKGROUND: {
        CXString name = stringArgument(arguments, 0);
        if (CGraphicsObject* picture = pictureNamed(container, name))
            screen->SetBackground(picture);
        else
            screen->SetBackground(name);
        invalidate(screen);
        return true;
    }
    case MOVEBKG:
        if (background != nullptr)
            background->Move(intArgument(arguments, 0), intArgument(arguments, 1));
        invalidate(screen);
        return true;
    case SETBKGPOS:
        if (background != nullptr)
            background->setPosition(intArgument(arguments, 0), intArgument(arguments, 1));
        invalidate(screen);
        return true;
    case PASTE: {
        CGraphicsObject* picture = pictureNamed(container, stringArgument(arguments, 0));
        if (picture != nullptr && background != nullptr)
            CStamp::draw(picture->getDrawn(), background, CXPoint(intArgument(arguments, 1), intArgument(arguments, 2)),
                         picture->getDrawn()->GetClippingRect());
        return true;
    }
    default:
        return false;
    }
}

CMC_Variable* CMC_CanvasObserver_Runner::graphicsAt(CMC_CanvasObserver* object, CMC_ObjectsContainer* container, CXVector* arguments,
                                                   bool searchParents)
{
    int count = argumentCount(arguments);
    bool visibleOnly = count >= 3 && boolArgument(arguments, 2);
    int minPriority = count >= 5 ? intArgument(arguments, 3) : -1;
    int maxPriority = count >= 5 ? intArgument(arguments, 4) : -1;
    bool noAlphaTest = count >= 6 && boolArgument(arguments, 5);
    CXString name = object->getGraphicsAt(container, intArgument(arguments, 0), intArgument(arguments, 1), visibleOnly, minPriority,
                                          maxPriority, noAlphaTest, searchParents);
    return CMC_VariableFactory::makeString(name.IsString() ? name : CXString("NULL"));
}
