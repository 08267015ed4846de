#include "objects/CMC_Animo_Runner.h"

#include "application/CMC_Scene.h"
#include "application/CUnit6.h"
#include "foundation/IntegerWrap.h"
#include "graphics/CAnimo6.h"
#include "graphics/CFrame.h"
#include "objects/CMC_Animo.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <cstdint>

namespace {

using S = CMC_Media_Runner::Shared;

const CMC_Media_Runner::Method kMethods[] = {
    {"SHOW", CMC_Animo_Runner::SHOW, S::None},
    {"HIDE", CMC_Animo_Runner::HIDE, S::None},
    {"PAUSE", CMC_Animo_Runner::PAUSE, S::None},
    {"RESUME", CMC_Animo_Runner::RESUME, S::None},
    {"SETPOSITION", CMC_Animo_Runner::SETPOSITION, S::SetPosition},
    {"MOVE", CMC_Animo_Runner::MOVE, S::Move},
    {"LOAD", CMC_Animo_Runner::LOAD, S::Load},
    {"CLEARCLIPPING", CMC_Animo_Runner::CLEARCLIPPING, S::ClearClipping},
    {"SETCLIPPING", CMC_Animo_Runner::SETCLIPPING, S::SetClipping},
    {"PLAY", CMC_Animo_Runner::PLAY, S::None},
    {"SETFRAME", CMC_Animo_Runner::SETFRAME, S::None},
    {"STOP", CMC_Animo_Runner::STOP, S::None},
    {"ISPLAYING", CMC_Animo_Runner::ISPLAYING, S::None},
    {"GETPOSITIONX", CMC_Animo_Runner::GETPOSITIONX, S::None},
    {"GETPOSITIONY", CMC_Animo_Runner::GETPOSITIONY, S::None},
    {"GETWIDTH", CMC_Animo_Runner::GETWIDTH, S::None},
    {"GETHEIGHT", CMC_Animo_Runner::GETHEIGHT, S::None},
    {"GETFRAME", CMC_Animo_Runner::GETFRAME, S::None},
    {"GETFRAMENAME", CMC_Animo_Runner::GETFRAMENAME, S::None},
    {"GETFRAMENO", CMC_Animo_Runner::GETFRAMENO, S::None},
    {"GETEVENTNAME", CMC_Animo_Runner::GETEVENTNAME, S::None},
    {"ISNEAR", CMC_Animo_Runner::ISNEAR, S::IsNear},
    {"ISINSIDE", CMC_Animo_Runner::ISINSIDE, S::None},
    {"PLAYRAND", CMC_Animo_Runner::PLAYRAND, S::None},
    {"MONITORCOLLISION", CMC_Animo_Runner::MONITORCOLLISION, S::MonitorCollision},
    {"REMOVEMONITORCOLLISION", CMC_Animo_Runner::REMOVEMONITORCOLLISION, S::RemoveMonitorCollision},
    {"SETFORWARD", CMC_Animo_Runner::SETFORWARD, S::None},
    {"SETBACKWARD", CMC_Animo_Runner::SETBACKWARD, S::None},
    {"NEXTFRAME", CMC_Animo_Runner::NEXTFRAME, S::None},
    {"PREVFRAME", CMC_Animo_Runner::PREVFRAME, S::None},
    {"SETPRIORITY", CMC_Animo_Runner::SETPRIORITY, S::SetPriority},
    {"GETALPHA", CMC_Animo_Runner::GETALPHA, S::None},
    {"GETPIXEL", CMC_Animo_Runner::GETPIXEL, S::None},
    {"SETFPS", CMC_Animo_Runner::SETFPS, S::None},
    {"MERGEALPHA", CMC_Animo_Runner::MERGEALPHA, S::MergeAlpha},
    {"INVALIDATE", CMC_Animo_Runner::INVALIDATE, S::Invalidate},
    {"GETCURRFRAMEPOSX", CMC_Animo_Runner::GETCURRFRAMEPOSX, S::None},
    {"GETCURRFRAMEPOSY", CMC_Animo_Runner::GETCURRFRAMEPOSY, S::None},
    {"GETCENTERX", CMC_Animo_Runner::GETCENTERX, S::None},
    {"GETCENTERY", CMC_Animo_Runner::GETCENTERY, S::None},
    {"GETNOE", CMC_Animo_Runner::GETNOE, S::None},
    {"GETNOF", CMC_Animo_Runner::GETNOF, S::None},
    {"GETNOFINEVENT", CMC_Animo_Runner::GETNOFINEVENT, S::None},
    {"GETMAXWIDTH", CMC_Animo_Runner::GETMAXWIDTH, S::None},
    {"GETMAXHEIGHT", CMC_Animo_Runner::GETMAXHEIGHT, S::None},
    {"ISVISIBLE", CMC_Animo_Runner::ISVISIBLE, S::IsVisible},
    {"GETCFRAMEINEVENT", CMC_Animo_Runner::GETCFRAMEINEVENT, S::None},
    {"SETASBUTTON", CMC_Animo_Runner::SETASBUTTON, S::None},
    {"SETONFF", CMC_Animo_Runner::SETONFF, S::None},
    {"SETOPACITY", CMC_Animo_Runner::SETOPACITY, S::None},
    {"SETVOLUME", CMC_Animo_Runner::SETVOLUME, S::None},
    {"SETPAN", CMC_Animo_Runner::SETPAN, S::None},
    {"SETFREQ", CMC_Animo_Runner::SETFREQ, S::None},
    {"SETANCHOR", CMC_Animo_Runner::SETANCHOR, S::SetAnchor},
    {"SETFRAMENAME", CMC_Animo_Runner::SETFRAMENAME, S::None},
    {"GETPRIORITY", CMC_Animo_Runner::GETPRIORITY, S::GetPriority},
    {"FLIPH", CMC_Animo_Runner::FLIPH, S::FlipH},
    {"FLIPV", CMC_Animo_Runner::FLIPV, S::FlipV},
    {"RESETFLIPS", CMC_Animo_Runner::RESETFLIPS, S::ResetFlips},
    {"DRAWONTO", CMC_Animo_Runner::DRAWONTO, S::None},
    {"PLAYREVERSE", CMC_Animo_Runner::PLAYREVERSE, S::None},
    {"NPLAY", CMC_Animo_Runner::NPLAY, S::None},
    {"ISAT", CMC_Animo_Runner::ISAT, S::None},
    {"GETOPACITY", CMC_Animo_Runner::GETOPACITY, S::GetOpacity},
    {"GETANCHOR", CMC_Animo_Runner::GETANCHOR, S::None},
    {"GETEVENTNUMBER", CMC_Animo_Runner::GETEVENTNUMBER, S::None},
    {"GETFPS", CMC_Animo_Runner::GETFPS, S::None},
    {"REPLACECOLOR", CMC_Animo_Runner::REPLACECOLOR, S::None},
    {"GETENDX", CMC_Animo_Runner::GETENDX, S::None},
    {"GETENDY", CMC_Animo_Runner::GETENDY, S::None},
};

CMC_Variable* integer(int value)
{
    return CMC_VariableFactory::makeInteger(value);
}

// t, or silence (-10000) at and below -3100.
int scaled(int64_t value, int64_t centre, int64_t divisor)
{
    return static_cast<int>((value - centre) * 3200 / divisor);
}

} // namespace

void CMC_Animo_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

int CMC_Animo_Runner::volumeOf(int value)
{
    int volume = scaled(value, 800, 800);
    return volume <= -3100 ? -10000 : volume;
}

int CMC_Animo_Runner::panningOf(int value)
{
    int panning = scaled(value, 400, 1600);
    if (panning <= -3100)
        return -10000;
    return panning >= 3100 ? 10000 : panning;
}

CMC_Variable* CMC_Animo_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* animo = dynamic_cast<CMC_Animo*>(object);
    if (animo == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = animo->getScene();
    CMC_Variable* result = nullptr;
    Shared shared = sharedOf(kMethods, id);
    if (shared != Shared::None)
        return runShared(shared, animo, container, arguments, result) ? result : nullptr;
    CAnimo6* animation = animo->getAnimo();
    if (animation == nullptr || id < SHOW || id > GETENDY)
        return CMC_Runner::run(id, object, container, arguments);
    bool done = false;
    result = runPlayback(id, animo, animation, arguments, done);
    if (!done)
        result = runEvents(id, animation, arguments, done);
    if (!done)
        result = runPicture(id, animo, animation, container, arguments, done);
    if (!done)
        result = runGeometry(id, animation, arguments, done);
    return result;
}

CMC_Variable* CMC_Animo_Runner::runPlayback(int id, CMC_Animo* object, CAnimo6* animation, CXVector* arguments, bool& done)
{
    done = true;
    const int count = argumentCount(arguments);
    switch (id) {
    case SHOW:
        animation->show();
        return nullptr;
    case HIDE:
        animation->hide();
        return nullptr;
    case PAUSE:
        animation->pause();
        return nullptr;
    case RESUME:
        animation->resume();
        return nullptr;
    case PLAY:
        if (count > 0) {
            // Playing an event by name makes the object hear its animation (a restored object
            // does not yet).
            animation->addNotifier(object);
            animation->Play(stringArgument(arguments, 0), 0, 0);
        } else {
            animation->play();
        }
        return nullptr;
    case STOP:
        animation->stop(boolArgument(arguments, 0, true));
        return nullptr;
    case ISPLAYING:
        return isPlaying(animation, arguments);
    case PLAYRAND:
        playRandomly(animation, arguments);
        return nullptr;
    case SETFORWARD:
    case SETBACKWARD:
        animation->SetDirection(id == SETFORWARD ? CAnimo::Forward : CAnimo::Backward);
        return nullptr;
    case NEXTFRAME:
        animation->Next();
        return nullptr;
    case PREVFRAME:
        animation->Prev();
        return nullptr;
    case SETFPS:
        animation->SetFPS(intArgument(arguments, 0));
        return nullptr;
    case SETVOLUME:
        animation->setVolume(volumeOf(intArgument(arguments, 0)));
        return nullptr;
    case SETPAN:
        animation->setPanning(panningOf(intArgument(arguments, 0)));
        return nullptr;
    case SETFREQ:
        animation->setFrequency(intArgument(arguments, 0));
        return nullptr;
    case PLAYREVERSE:
        playReverse(animation, arguments);
        return nullptr;
    case NPLAY:
        animation->Play(animation->GetEventName(intArgument(arguments, 0)), count > 1 ? intArgument(arguments, 1) : -1, 0);
        return nullptr;
    case GETFPS:
        return integer(animation->getFPS());
    default:
        done = false;
        return nullptr;
    }
}

CMC_Variable* CMC_Animo_Runner::runEvents(int id, CAnimo6* animation, CXVector* arguments, bool& done)
{
    done = true;
    const int count = argumentCount(arguments);
    switch (id) {
    case SETFRAME:
        setFrame(animation, arguments);
        return nullptr;
    case GETFRAME:
        return integer(animation->GetFrameNo());
    case GETFRAMENAME:
        return frameName(animation, arguments);
    case GETFRAMENO:
        return frameNumber(animation, arguments);
    case GETEVENTNAME:
        return CMC_VariableFactory::makeString(animation->GetEventName(count > 0 ? intArgument(arguments, 0) : -1));
    case GETNOE:
        return integer(animation->GetNOE());
    case GETNOF:
        return integer(animation->GetNOF());
    case GETNOFINEVENT:
        return framesInEvent(animation, arguments);
    case GETCFRAMEINEVENT:
        return integer(animation->GetCurrentFrameInSequence());
    case SETFRAMENAME:
        setFrameName(animation, arguments);
        return nullptr;
    case GETEVENTNUMBER:
        return integer(count > 0 ? animation->GetEventNo(stringArgument(arguments, 0)) : animation->GetCurrentEvent());
    default:
        done = false;
        return nullptr;
    }
}

CMC_Variable* CMC_Animo_Runner::runPicture(int id, CMC_Animo* object, CAnimo6* animation, CMC_ObjectsContainer* container,
                                           CXVector* arguments, bool& done)
{
    done = true;
    switch (id) {
    case GETALPHA:
        return alphaAt(animation->GetFrame(-1), animation->GetPosition(), arguments);
    case GETPIXEL:
        return pixelAt(animation->GetFrame(-1), animation->GetPosition(), arguments);
    case SETASBUTTON:
        object->setAsButton(boolArgument(arguments, 0), boolArgument(arguments, 1));
        return nullptr;
    case SETONFF:
        object->setFirstFrameHit(boolArgument(arguments, 0, true));
        return nullptr;
    case SETOPACITY:
        // Kept as the scripts know it: the value modulo 257 (300 gives 43), as C takes it.
        animation->SetOpacity(static_cast<unsigned char>(intArgument(arguments, 0) % 257));
        return nullptr;
    case DRAWONTO:
        drawOnto(animation, container, stringArgument(arguments, 0), argumentCount(arguments) > 1 ? intArgument(arguments, 1) : 0);
        return nullptr;
    case REPLACECOLOR:
        replaceColor(animation, arguments, 0);
        return nullptr;
    case GETANCHOR:
        getAnchor(animation, container, arguments);
        return nullptr;
    default:
        done = false;
        return nullptr;
    }
}

CMC_Variable* CMC_Animo_Runner::runGeometry(int id, CAnimo6* animation, CXVector* arguments, bool& done)
{
    done = true;
    CFrame* frame = animation->GetFrame(-1);
    int width = frame != nullptr ? frame->Width() : 0;
    int height = frame != nullptr ? frame->Height() : 0;
    CXPoint drawn = animation->GetPosition();
    switch (id) {
    case GETPOSITIONX:
        return integer(position(animation, arguments).x);
    case GETPOSITIONY:
        return integer(position(animation, arguments).y);
    case GETWIDTH:
        return integer(width);
    case GETHEIGHT:
        return integer(height);
    case GETENDX:
        return integer(foundation::wrapAdd(position(animation, arguments).x, width));
    case GETENDY:
        return integer(foundation::wrapAdd(position(animation, arguments).y, height));
    case GETCENTERX:
        return integer(foundation::wrapAdd(drawn.x, width / 2));
    case GETCENTERY:
        return integer(foundation::wrapAdd(drawn.y, height / 2));
    case GETCURRFRAMEPOSX:
        return integer(animation->getCurrFramePosition().x);
    case GETCURRFRAMEPOSY:
        return integer(animation->getCurrFramePosition().y);
    case GETMAXWIDTH:
        return integer(animation->GetMaxWidth());
    case GETMAXHEIGHT:
        return integer(animation->GetMaxHeight());
    case ISINSIDE:
        return CMC_VariableFactory::makeBool(
            animation->isInside(intArgument(arguments, 0), intArgument(arguments, 1), boolArgument(arguments, 2)));
    case ISAT:
        return CMC_VariableFactory::makeBool(
            animation->isAt(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)), boolArgument(arguments, 2)));
    default:
        done = false;
        return nullptr;
    }
}

// ---- events and frames -----------------------------------------------------------------------

int CMC_Animo_Runner::eventArgument(CAnimo6* animation, CXVector* arguments, int index)
{
    if (isNumber(arguments, index))
        return intArgument(arguments, index);
    return animation->GetEventNo(stringArgument(arguments, index));
}

CXString CMC_Animo_Runner::eventNameArgument(CAnimo6* animation, CXVector* arguments, int index)
{
    return isNumber(arguments, index) ? animation->GetEventName(intArgument(arguments, index)) : stringArgument(arguments, index);
}

void CMC_Animo_Runner::setFrame(CAnimo6* animation, CXVector* arguments)
{
    const int count = argumentCount(arguments);
    if (count < 2) {
        animation->SetFrame(count == 1 ? intArgument(arguments, 0) : 0);
        return;
    }
    // An event name nothing matches selects the first event.
    int event = isNumber(arguments, 0) ? intArgument(arguments, 0) : animation->getFrameNo(stringArgument(arguments, 0));
    if (isNumber(arguments, 1)) {
        animation->SetEventFrame(event, intArgument(arguments, 1));
    } else {
        CXString frame = stringArgument(arguments, 1);
        animation->SetEventFrame(event, frame.Upper());
    }
}

CMC_Variable* CMC_Animo_Runner::isPlaying(CAnimo6* animation, CXVector* arguments)
{
    bool playing = animation->IsPlaying();
    if (playing && argumentCount(arguments) > 0)
        playing = animation->getCurrentEventName().equalsIgnoreCase(eventNameArgument(animation, arguments, 0));
    return CMC_VariableFactory::makeBool(playing);
}

CMC_Variable* CMC_Animo_Runner::frameName(CAnimo6* animation, CXVector* arguments)
{
    if (argumentCount(arguments) < 2)
        return CMC_VariableFactory::makeString(animation->getFrameName(-1, -1));
    int event = eventArgument(animation, arguments, 0);
    // An event of no name has no frames to name.
    if (event == -1 && !isNumber(arguments, 0))
        return CMC_VariableFactory::makeString(CXString());
    return CMC_VariableFactory::makeString(animation->getFrameName(event, intArgument(arguments, 1)));
}

CMC_Variable* CMC_Animo_Runner::frameNumber(CAnimo6* animation, CXVector* arguments)
{
    if (argumentCount(arguments) < 2)
        return integer(animation->GetFrameNo());
    int event = eventArgument(animation, arguments, 0);
    if (isNumber(arguments, 1))
        return integer(animation->GetFrameNo(event, intArgument(arguments, 1)));
    return integer(animation->GetFrameNo(event, stringArgument(arguments, 1)));
}

CMC_Variable* CMC_Animo_Runner::framesInEvent(CAnimo6* animation, CXVector* arguments)
{
    if (argumentCount(arguments) == 0)
        return integer(0);
    if (isNumber(arguments, 0))
        return integer(animation->GetNOFInEvent(animation->GetEventNo(intArgument(arguments, 0))));
    return integer(animation->GetNOFInEvent(stringArgument(arguments, 0)));
}

void CMC_Animo_Runner::setFrameName(CAnimo6* animation, CXVector* arguments)
{
    int event = eventArgument(animation, arguments, 0);
    if (event == -1 && !isNumber(arguments, 0))
        return;
    if (_anmFrameInfo3* record = animation->GetFrameInfo(animation->GetEventNo(event), intArgument(arguments, 1)))
        record->name = stringArgument(arguments, 2);
}

void CMC_Animo_Runner::playReverse(CAnimo6* animation, CXVector* arguments)
{
    CMC_Variable* first = getParameter(arguments, 0);
    if (first == nullptr || (first->getType() != script::TYPE_INTEGER && first->getType() != script::TYPE_STRING))
        return;
    int start = argumentCount(arguments) > 1 ? intArgument(arguments, 1) : -1;
    animation->playReverse(eventNameArgument(animation, arguments, 0), start);
}

void CMC_Animo_Runner::playRandomly(CAnimo6* animation, CXVector* arguments)
{
    if (CUnit6* unit = CMC_Scene::getDefUnit())
        unit->addRandomPlayable(animation, intArgument(arguments, 1), intArgument(arguments, 2), stringArgument(arguments, 0));
}

CXPoint CMC_Animo_Runner::position(CAnimo6* animation, CXVector* arguments)
{
    return argumentCount(arguments) > 0 ? animation->getPosition() : animation->GetPosition();
}
