#include "application/CMC_Application_Runner.h"

#include "application/CMC_Application.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CLanguageOSVer.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPrinter.h"
#include "graphics/CSurface.h"
#include "graphics/CWindow.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_Bool.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CRunnableBehaviour.h"

namespace {

const CMC_TreeRunner::MethodName kMethods[] = {
    {"EXIT", CMC_Application_Runner::EXIT},
    {"RESTART", CMC_Application_Runner::RESTART},
    {"GOTO", CMC_Application_Runner::GOTO},
    {"SETLANGUAGE", CMC_Application_Runner::SETLANGUAGE},
    {"GETLANGUAGE", CMC_Application_Runner::GETLANGUAGE},
    {"PRINT", CMC_Application_Runner::PRINT},
    {"ENABLEMUSIC", CMC_Application_Runner::ENABLEMUSIC},
    {"DISABLEMUSIC", CMC_Application_Runner::DISABLEMUSIC},
    {"RUN", CMC_Application_Runner::RUN},
    {"STOREBINARY", CMC_Application_Runner::STOREBINARY},
    {"RUNENV", CMC_Application_Runner::RUNENV},
    {"EXISTSENV", CMC_Application_Runner::EXISTSENV},
    {"STARTDRAGGINGWINDOW", CMC_Application_Runner::STARTDRAGGINGWINDOW},
    {"STOPDRAGGINGWINDOW", CMC_Application_Runner::STOPDRAGGINGWINDOW},
    {"RELOAD", CMC_Application_Runner::RELOAD},
    {"GETPLAYER", CMC_Application_Runner::GETPLAYER},
};

} // namespace

void CMC_Application_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

CMC_Variable* CMC_Application_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* application = dynamic_cast<CMC_Application*>(object);
    if (application == nullptr || !isOwnMethod(kMethods, id))
        return CMC_Runner::run(id, object, container, arguments);
    return runApplicationMethod(id, application, container, arguments);
}

CMC_Variable* CMC_Application_Runner::runApplicationMethod(int id, CMC_Application* application,
                                                           CMC_ObjectsContainer* container, CXVector* arguments)
{
    CWindow* window = application->getWindow();
    CLanguageOSVer* language = window != nullptr ? window->getLangIfc() : nullptr;
    switch (id) {
    case EXIT:
        application->exit();
        return nullptr;
    case RESTART:
        application->restart();
        return nullptr;
    case GOTO:
        return gotoChild(application, arguments);
    case SETLANGUAGE:
        if (language != nullptr && argumentCount(arguments) > 0)
            language->setLanguageFolder(stringArgument(arguments, 0));
        return nullptr;
    case GETLANGUAGE:
        return CMC_VariableFactory::makeString(language != nullptr ? language->getLanguageFolder() : CXString());
    case ENABLEMUSIC:
    case DISABLEMUSIC:
        if (window != nullptr)
            window->MusicOn(id == ENABLEMUSIC);
        return nullptr;
    case RUN:
        return runNamed(application, application->getScene(), arguments, true);
    case RUNENV:
        runInEnvironment(application, arguments);
        return nullptr;
    case EXISTSENV:
        return existsInEnvironment(application, arguments);
    case STARTDRAGGINGWINDOW:
        if (window != nullptr)
            window->startDraggingWindow(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)));
        return nullptr;
    case STOPDRAGGINGWINDOW:
        if (window != nullptr)
            window->stopDraggingWindow();
        return nullptr;
    case RELOAD:
        if (argumentCount(arguments) > 0)
            application->setNextGame(stringArgument(arguments, 0));
        return nullptr;
    case GETPLAYER: {
        CCommandLine6* commandLine = application->getCommandLine();
        return CMC_VariableFactory::makeString(commandLine != nullptr ? commandLine->getPlayer() : CXString());
    }
    case STOREBINARY:
        application->storeBinary();
        return nullptr;
    case PRINT:
        printScreen(window, container, arguments);
        return nullptr;
    default:
        return nullptr;
    }
}

void CMC_Application_Runner::printScreen(CWindow* window, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CSurface* display = window != nullptr ? window->GetSurface() : nullptr;
    if (display == nullptr)
        return;
    CXRect rect(0, 0, display->Width(), display->Height());
    if (argumentCount(arguments) == 1) {
        // A name that shows no picture prints nothing.
        CMC_Object* named = objectArgument(arguments, 0, container);
        CGraphicsObject* picture = named != nullptr ? CMC_CreationChain::graphicsOf(named, container, nullptr) : nullptr;
        if (picture == nullptr)
            return;
        rect = picture->GetBoundingBox();
    } else if (argumentCount(arguments) == 4) {
        rect = CXRect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3));
    }
    CPrinter printing(window, rect);
    window->Invalidate();
    window->Redraw(true);
}

CMC_ObjectsContainer* CMC_Application_Runner::findEnvironment(CMC_Application* application, const CXString& name)
{
    if (CMC_Scene* scene = application->getScene(name))
        return scene;
    return dynamic_cast<CMC_ObjectsContainer*>(application->getObject(name));
}

void CMC_Application_Runner::runInEnvironment(CMC_Application* application, CXVector* arguments)
{
    if (argumentCount(arguments) < 2)
        return;
    CMC_ObjectsContainer* environment = findEnvironment(application, stringArgument(arguments, 0));
    CMC_Object* found = environment != nullptr ? environment->getObject(stringArgument(arguments, 1)) : nullptr;
    releaseArgument(arguments, 0);
    releaseArgument(arguments, 1);
    auto* behaviour = dynamic_cast<CRunnableBehaviour*>(found);
    if (behaviour == nullptr || found->getType() != script::TYPE_BEHAVIOUR)
        return;
    CMC_ObjectRef alive(found);
    CMC_Ref<CMC_ObjectsContainer> ownScene(found->getScene());
    found->setScene(environment);
    behaviour->run(environment, nullptr, true);
    // The run may have deleted the behaviour.
    if (alive.isAlive())
        found->setScene(ownScene.get());
}

CMC_Variable* CMC_Application_Runner::existsInEnvironment(CMC_Application* application, CXVector* arguments)
{
    bool exists = false;
    if (argumentCount(arguments) >= 2) {
        CMC_ObjectsContainer* environment = findEnvironment(application, stringArgument(arguments, 0));
        exists = environment != nullptr && environment->getObject(stringArgument(arguments, 1)) != nullptr;
    }
    releaseArgument(arguments, 0);
    releaseArgument(arguments, 1);
    return CMC_VariableFactory::makeBool(exists);
}
