#include "application/CMC_Scene_Runner.h"

#include "application/CMC_Scene.h"
#include "foundation/CXArray.h"
#include "foundation/CXTimer.h"
#include "graphics/CAnimationManager.h"
#include "graphics/CHotSpot.h"
#include "graphics/CWindow.h"
#include "script/CMC_Array.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Groupped.h"
#include "script/CMC_Integer.h"
#include "script/CMC_LoopBudget.h"
#include "script/CMC_NestingGuard.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CMemberList.h"
#include "script/CRunnableBehaviour.h"
#include "sound/CSoundManager.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

using R = CMC_Scene_Runner;

const CMC_TreeRunner::MethodName kMethods[] = {
    {"STARTMUSIC", R::STARTMUSIC},
    {"STOPMUSIC", R::STOPMUSIC},
    {"GETDRAGGEDNAME", R::GETDRAGGEDNAME},
    {"GETPLAYINGSEQ", R::GETPLAYINGSEQ},
    {"RUN", R::RUN},
    {"RUNCLONES", R::RUNCLONES},
    {"CREATEOBJECT", R::CREATEOBJECT},
    {"REMOVE", R::REMOVE},
    {"REMOVECLONES", R::REMOVECLONES},
    {"SETMUSICVOLUME", R::SETMUSICVOLUME},
    {"GETMUSICVOLUME", R::GETMUSICVOLUME},
    {"SETMUSICPAN", R::SETMUSICPAN},
    {"SETMUSICFREQ", R::SETMUSICFREQ},
    {"PAUSE", R::PAUSE},
    {"RESUME", R::RESUME},
    {"SETMINHSPRIORITY", R::SETMINHSPRIORITY},
    {"SETMAXHSPRIORITY", R::SETMAXHSPRIORITY},
    {"GETELEMENTSNO", R::GETELEMENTSNO},
    {"TOTIME", R::TOTIME},
    {"ISPAUSED", R::ISPAUSED},
    {"GETPLAYINGANIMO", R::GETPLAYINGANIMO},
    {"RESUMEONLY", R::RESUMEONLY},
    {"GETMINHSPRIORITY", R::GETMINHSPRIORITY},
    {"GETMAXHSPRIORITY", R::GETMAXHSPRIORITY},
    {"GETRUNNINGTIMER", R::GETRUNNINGTIMER},
    {"GETOBJECTS", R::GETOBJECTS},
    {"RESUMESEQONLY", R::RESUMESEQONLY},
};

// Music volume and pan in hundredths of a decibel.
constexpr int kSilence = -10000;
constexpr int kFullLeft = -10000;
constexpr int kFullRight = 10000;
// The quietest the script scales reach before silence (or full left and right for the pan).
constexpr int kQuietest = -3100;
constexpr int kFullVolumeScript = 800;
constexpr int kCentreScript = 400;

bool isMediaMethod(int id)
{
    switch (id) {
    case R::STARTMUSIC:
    case R::STOPMUSIC:
    case R::SETMUSICVOLUME:
    case R::GETMUSICVOLUME:
    case R::SETMUSICPAN:
    case R::SETMUSICFREQ:
    case R::PAUSE:
    case R::RESUME:
    case R::ISPAUSED:
    case R::RESUMEONLY:
    case R::GETPLAYINGANIMO:
    case R::GETPLAYINGSEQ:
    case R::RESUMESEQONLY:
        return true;
    default:
        return false;
    }
}

// Script values can be anything: the scaled value is worked out wide and kept within int, where
// the sound buffers refuse what lies outside their range.
int toInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

} // namespace

CMC_Scene_Runner::~CMC_Scene_Runner()
{
    // A game left while paused (a next game, the end) leaves the process's software timers and
    // the window's pause flag as a fresh run has them.
    if (paused_) {
        CXTimer::enable(true);
        CWindow::resume();
    }
}

void CMC_Scene_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

CMC_Variable* CMC_Scene_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* scene = dynamic_cast<CMC_Scene*>(object);
    if (scene == nullptr || !isOwnMethod(kMethods, id))
        return CMC_Runner::run(id, object, container, arguments);
    return isMediaMethod(id) ? runMediaMethod(id, scene, arguments) : runObjectMethod(id, scene, arguments);
}

template <class Kind>
Kind* CMC_Scene_Runner::namedArgument(CMC_Scene* scene, CXVector* arguments, int index)
{
    Kind* found = dynamic_cast<Kind*>(objectArgument(arguments, index, scene));
    releaseArgument(arguments, index);
    return found;
}

// ---- music, pause, what plays -----------------------------------------------------------------

CMC_Variable* CMC_Scene_Runner::runMediaMethod(int id, CMC_Scene* scene, CXVector* arguments)
{
    CWindow* window = scene->getWindow();
    bool hasArgument = argumentCount(arguments) > 0;
    switch (id) {
    case STARTMUSIC: {
        CXString file = stringArgument(arguments, 0);
        releaseArgument(arguments, 0);
        scene->startMusic(hasArgument ? file.c_str() : nullptr, true);
        return nullptr;
    }
    case STOPMUSIC:
        scene->stopMusic();
        return nullptr;
    case SETMUSICVOLUME:
        if (window != nullptr && hasArgument)
            window->setMusicVolume(musicVolumeOf(intArgument(arguments, 0)));
        return nullptr;
    case GETMUSICVOLUME:
        return CMC_VariableFactory::makeInteger(scriptVolumeOf(window != nullptr ? window->getMusicVolume() : 0));
    case SETMUSICPAN:
        if (window != nullptr && hasArgument)
            window->setMusicPan(musicPanOf(intArgument(arguments, 0)));
        return nullptr;
    case SETMUSICFREQ:
        if (window != nullptr && hasArgument)
            window->setMusicFreq(intArgument(arguments, 0));
        return nullptr;
    case PAUSE:
        pauseGame(window, hasArgument && boolArgument(arguments, 0));
        return nullptr;
    case RESUME:
        resumeGame(window, false, nullptr, boolArgument(arguments, 0, true));
        return nullptr;
    case RESUMEONLY: {
        auto* group = namedArgument<CMC_Groupped>(scene, arguments, 0);
        resumeGame(window, true, group, boolArgument(arguments, 1, true));
        return nullptr;
    }
    case ISPAUSED:
        return CMC_VariableFactory::makeBool(paused_);
    case GETPLAYINGANIMO:
        scene->getPlayingAnimo(namedArgument<CMC_Groupped>(scene, arguments, 0));
        return nullptr;
    case GETPLAYINGSEQ:
        scene->getPlayingSeq(namedArgument<CMC_Array>(scene, arguments, 0));
        return nullptr;
    default:
        scene->resumeExcept(namedArgument<CMC_Array>(scene, arguments, 0));
        return nullptr;
    }
}

int CMC_Scene_Runner::musicVolumeOf(int scriptVolume)
{
    int64_t volume = (int64_t{scriptVolume} - kFullVolumeScript) * 4;
    return volume > kQuietest ? toInt(volume) : kSilence;
}

int CMC_Scene_Runner::scriptVolumeOf(int musicVolume)
{
    // Silence reads back as the script's silence.
    return musicVolume > kQuietest ? musicVolume / 4 + kFullVolumeScript : 0;
}

int CMC_Scene_Runner::musicPanOf(int scriptPan)
{
    int64_t pan = (int64_t{scriptPan} - kCentreScript) * 2;
    if (pan <= kQuietest)
        return kFullLeft;
    return pan >= -kQuietest ? kFullRight : static_cast<int>(pan);
}

void CMC_Scene_Runner::pauseGame(CWindow* window, bool keepTimers)
{
    if (paused_)
        return;
    paused_ = true;
    if (CAnimationManager* animations = CAnimationManager::installed())
        animations->pause();
    if (CSoundManager* sounds = CSoundManager::current())
        sounds->pause();
    CWindow::pause();
    if (window != nullptr) {
        window->PauseMusic();
        if (!keepTimers)
            window->GetTimerInterface()->pause();
    }
    CXTimer::enable(keepTimers);
}

void CMC_Scene_Runner::resumeGame(CWindow* window, bool onlyGroup, CMC_Groupped* group, bool resumeTimers)
{
    if (!paused_)
        return;
    paused_ = false;
    CAnimationManager* animations = CAnimationManager::installed();
    // A group that does not exist has no animations to resume.
    if (animations != nullptr && (!onlyGroup || group != nullptr))
        animations->resume(group);
    if (CSoundManager* sounds = CSoundManager::current())
        sounds->resume();
    CWindow::resume();
    if (window != nullptr) {
        window->ResumeMusic();
        if (resumeTimers)
            window->GetTimerInterface()->resume();
    }
    CXTimer::enable(resumeTimers);
}

CXString CMC_Scene_Runner::toTime(int seconds)
{
    int minutes = seconds / 60;
    int rest = seconds % 60;
    return CXString::toString(minutes / 10) + CXString::toString(minutes % 10) + CXString::toString(rest / 10) +
           CXString::toString(rest % 10);
}

// ---- objects ----------------------------------------------------------------------------------

CMC_Variable* CMC_Scene_Runner::runObjectMethod(int id, CMC_Scene* scene, CXVector* arguments)
{
    switch (id) {
    case GETDRAGGEDNAME:
        return CMC_VariableFactory::makeString(scene->getDraggedName());
    case RUN:
        return runNamed(scene, scene, arguments, false);
    case RUNCLONES:
        runClones(scene, arguments);
        return nullptr;
    case CREATEOBJECT:
        if (argumentCount(arguments) >= 2)
            scene->createObject(stringArgument(arguments, 0), stringArgument(arguments, 1));
        releaseArgument(arguments, 0);
        releaseArgument(arguments, 1);
        return nullptr;
    case REMOVE:
        deleteFromScene(scene, namedArgument<CMC_Object>(scene, arguments, 0), false);
        return nullptr;
    case REMOVECLONES:
        removeClones(scene, arguments);
        return nullptr;
    case SETMINHSPRIORITY:
        if (argumentCount(arguments) > 0)
            CHotSpot::setMinPriority(intArgument(arguments, 0));
        return nullptr;
    case SETMAXHSPRIORITY:
        if (argumentCount(arguments) > 0)
            CHotSpot::setMaxPriority(intArgument(arguments, 0));
        return nullptr;
    case GETMINHSPRIORITY:
        return CMC_VariableFactory::makeInteger(CHotSpot::getMinPriority());
    case GETMAXHSPRIORITY:
        return CMC_VariableFactory::makeInteger(CHotSpot::getMaxPriority());
    case GETELEMENTSNO:
        return CMC_VariableFactory::makeInteger(scene->getElementsNo());
    case TOTIME:
        return CMC_VariableFactory::makeString(toTime(intArgument(arguments, 0)));
    case GETRUNNINGTIMER:
        scene->getRunningTimers(namedArgument<CMC_Groupped>(scene, arguments, 0));
        return nullptr;
    default: {
        CXString pattern = stringArgument(arguments, 0);
        releaseArgument(arguments, 0);
        if (auto* group = namedArgument<CMemberList>(scene, arguments, 1))
            scene->getObjects(pattern, group);
        return nullptr;
    }
    }
}

void CMC_Scene_Runner::deleteFromScene(CMC_Scene* scene, CMC_Object* object, bool tellDone)
{
    // The scene holds itself and its parents by name; deleting them would pull the live tree
    // from under the engine.
    if (object == nullptr || script::isApplicationTreeType(object->getType()))
        return;
    scene->removeObject(object);
    if (!tellDone) {
        CMC_Object::destroy(object);
        return;
    }
    CMC_ObjectRef alive(object);
    object->done(false);
    if (alive.isAlive())
        CMC_Object::destroySilently(object);
}

void CMC_Scene_Runner::runClones(CMC_Scene* scene, CXVector* arguments)
{
    if (argumentCount(arguments) < 4)
        return;
    CMC_Object* original = scene->getObject(stringArgument(arguments, 0));
    int first = intArgument(arguments, 1);
    int last = intArgument(arguments, 2);
    CXString behaviourText = stringArgument(arguments, 3);
    std::vector<CXString> passed = argumentTexts(arguments, 4);
    for (int i = 0; i < 4; ++i)
        releaseArgument(arguments, i);
    if (original == nullptr)
        return;
    CXString prefix = original->getName() + "_";
    int64_t from = first > 0 ? first : 1;
    int64_t to = last > 0 ? last : original->getClonesNo();

    // Only a BEHAVIOUR runs; text that names no object is code for a behaviour of this call alone,
    // which is not put in the scene (a "temp" of the scene's own stays where it is).
    CMC_Object* named = scene->getObject(behaviourText);
    if (named != nullptr && named->getType() != script::TYPE_BEHAVIOUR)
        return;
    CMC_Behaviour* made = nullptr;
    if (named == nullptr) {
        made = new CMC_Behaviour(scene, "temp", behaviourText);
        made->init();
    }
    CMC_ObjectRef target(named != nullptr ? named : made);
    CMC_LoopBudget budget("RUNCLONES");
    for (int64_t i = from; i <= to; ++i) {
        auto* behaviour = dynamic_cast<CRunnableBehaviour*>(target.get());
        if (behaviour == nullptr || CMC_NestingGuard::unwinding() || !budget.pass())
            break;
        CXString cloneName = prefix + CXString::toString(static_cast<int>(i));
        CXArray* parameters = parameterList(&cloneName, passed);
        behaviour->run(scene, parameters, false);
        CXString::releaseToVector(parameters);
    }
    if (made != nullptr)
        CMC_Object::destroy(target.get());
}

void CMC_Scene_Runner::removeClones(CMC_Scene* scene, CXVector* arguments)
{
    if (argumentCount(arguments) < 3)
        return;
    CMC_Object* original = scene->getObject(stringArgument(arguments, 0));
    int first = intArgument(arguments, 1);
    int last = intArgument(arguments, 2);
    for (int i = 0; i < 3; ++i)
        releaseArgument(arguments, i);
    if (original == nullptr)
        return;
    CXString prefix = original->getName() + "_";
    int64_t from = first == -1 ? 1 : first;
    int64_t to = last == -1 ? original->getClonesNo() : last;
    CMC_LoopBudget budget("REMOVECLONES");
    for (int64_t i = from; i <= to && budget.pass(); ++i)
        deleteFromScene(scene, scene->getObject(prefix + CXString::toString(static_cast<int>(i))), true);
}
