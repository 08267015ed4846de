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

struct MethodName {
    const char* name;
    int id;
};

const MethodName kMethods[] = {
    {"SHOW", CMC_Animo_Runner::SHOW},
    {"HIDE", CMC_Animo_Runner::HIDE},
    {"PAUSE", CMC_Animo_Runner::PAUSE},
    {"RESUME", CMC_Animo_Runner::RESUME},
    {"SETPOSITION", CMC_Animo_Runner::SETPOSITION},
    {"MOVE", CMC_Animo_Runner::MOVE},
    {"LOAD", CMC_Animo_Runner::LOAD},
    {"CLEARCLIPPING", CMC_Animo_Runner::CLEARCLIPPING},
    {"SETCLIPPING", CMC_Animo_Runner::SETCLIPPING},
    {"PLAY", CMC_Animo_Runner::PLAY},
    {"SETFRAME", CMC_Animo_Runner::SETFRAME},
    {"STOP", CMC_Animo_Runner::STOP},
    {"ISPLAYING", CMC_Animo_Runner::ISPLAYING},
    {"GETPOSITIONX", CMC_Animo_Runner::GETPOSITIONX},
    {"GETPOSITIONY", CMC_Animo_Runner::GETPOSITIONY},
    {"GETWIDTH", CMC_Animo_Runner::GETWIDTH},
    {"GETHEIGHT", CMC_Animo_Runner::GETHEIGHT},
    {"GETFRAME", CMC_Animo_Runner::GETFRAME},
    {"GETFRAMENAME", CMC_Animo_Runner::GETFRAMENAME},
    {"GETFRAMENO", CMC_Animo_Runner::GETFRAMENO},
    {"GETEVENTNAME", CMC_Animo_Runner::GETEVENTNAME},
    {"ISNEAR", CMC_Animo_Runner::ISNEAR},
    {"ISINSIDE", CMC_Animo_Runner::ISINSIDE},
    {"PLAYRAND", CMC_Animo_Runner::PLAYRAND},
    {"MONITORCOLLISION", CMC_Animo_Runner::MONITORCOLLISION},
    {"REMOVEMONITORCOLLISION", CMC_Animo_Runner::REMOVEMONITORCOLLISION},
    {"SETFORWARD", CMC_Animo_Runner::SETFORWARD},
    {"SETBACKWARD", CMC_Animo_Runner::SETBACKWARD},
    {"NEXTFRAME", CMC_Animo_Runner::NEXTFRAME},
    {"PREVFRAME", CMC_Animo_Runner::PREVFRAME},
    {"SETPRIORITY", CMC_Animo_Runner::SETPRIORITY},
    {"GETALPHA", CMC_Animo_Runner::GETALPHA},
    {"GETPIXEL", CMC_Animo_Runner::GETPIXEL},
    {"SETFPS", CMC_Animo_Runner::SETFPS},
    {"MERGEALPHA", CMC_Animo_Runner::MERGEALPHA},
    {"INVALIDATE", CMC_Animo_Runner::INVALIDATE},
    {"GETCURRFRAMEPOSX", CMC_Animo_Runner::GETCURRFRAMEPOSX},
    {"GETCURRFRAMEPOSY", CMC_Animo_Runner::GETCURRFRAMEPOSY},
    {"GETCENTERX", CMC_Animo_Runner::GETCENTERX},
    {"GETCENTERY", CMC_Animo_Runner::GETCENTERY},
    {"GETNOE", CMC_Animo_Runner::GETNOE},
    {"GETNOF", CMC_Animo_Runner::GETNOF},
    {"GETNOFINEVENT", CMC_Animo_Runner::GETNOFINEVENT},
    {"GETMAXWIDTH", CMC_Animo_Runner::GETMAXWIDTH},
    {"GETMAXHEIGHT", CMC_Animo_Runner::GETMAXHEIGHT},
    {"ISVISIBLE", CMC_Animo_Runner::ISVISIBLE},
    {"GETCFRAMEINEVENT", CMC_Animo_Runner::GETCFRAMEINEVENT},
    {"SETASBUTTON", CMC_Animo_Runner::SETASBUTTON},
    {"SETONFF", CMC_Animo_Runner::SETONFF},
    {"SETOPACITY", CMC_Animo_Runner::SETOPACITY},
    {"SETVOLUME", CMC_Animo_Runner::SETVOLUME},
    {"SETPAN", CMC_Animo_Runner::SETPAN},
    {"SETFREQ", CMC_Animo_Runner::SETFREQ},
    {"SETANCHOR", CMC_Animo_Runner::SETANCHOR},
    {"SETFRAMENAME", CMC_Animo_Runner::SETFRAMENAME},
    {"GETPRIORITY", CMC_Animo_Runner::GETPRIORITY},
    {"FLIPH", CMC_Animo_Runner::FLIPH},
    {"FLIPV", CMC_Animo_Runner::FLIPV},
    {"RESETFLIPS", CMC_Animo_Runner::RESETFLIPS},
    {"DRAWONTO", CMC_Animo_Runner::DRAWONTO},
    {"PLAYREVERSE", CMC_Animo_Runner::PLAYREVERSE},
    {"NPLAY", CMC_Animo_Runner::NPLAY},
    {"ISAT", CMC_Animo_Runner::ISAT},
    {"GETOPACITY", CMC_Animo_Runner::GETOPACITY},
    {"GETANCHOR", CMC_Animo_Runner::GETANCHOR},
    {"GETEVENTNUMBER", CMC_Animo_Runner::GETEVENTNUMBER},
    {"GETFPS", CMC_Animo_Runner::GETFPS},
    {"REPLACECOLOR", CMC_Animo_Runner::REPLACECOLOR},
    {"GETENDX", CMC_Animo_Runner::GETENDX},
    {"GETENDY", CMC_Animo_Runner::GETENDY},
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
    CMC_Runner::prepareMthHashSet();
    for (const MethodName& method : kMethods)
        putMethod(method.name, method.id);
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
    CAnimo6* animation = animo != nullptr ? animo->getAnimo() : nullptr;
    // An empty object (made by CREATE) can load its animation.
    if (animo != nullptr && id == LOAD) {
        animo->load(stringArgument(arguments, 0), true);
        return nullptr;
    }
    if (animation == nullptr || id < SHOW || id > GETENDY)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = animo->getScene();
    bool done = false;
    CMC_Variable* result = runPlayback(id, animo, animation, arguments, done);
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
    case CLEARCLIPPING:
        animation->SetClippingRect(CXRect(0, 0, 0, 0));
        return nullptr;
    case SETCLIPPING:
        setClipping(animation, container, arguments);
        return nullptr;
    case MONITORCOLLISION:
        monitorCollision(object, arguments);
        return nullptr;
    case REMOVEMONITORCOLLISION:
        removeMonitorCollision(object);
        return nullptr;
    case SETPRIORITY:
        object->setScreenPriority(intArgument(arguments, 0));
        return nullptr;
    case GETPRIORITY:
        return integer(object->getScreenPriority());
    case GETALPHA:
        return alphaAt(animation->GetFrame(-1), animation->GetPosition(), arguments);
    case GETPIXEL:
        return pixelAt(animation->GetFrame(-1), animation->GetPosition(), arguments);
    case MERGEALPHA:
        mergeAlpha(animation, container, arguments);
        return nullptr;
    case INVALIDATE:
        animation->Invalidate();
        return nullptr;
    case ISVISIBLE:
        return CMC_VariableFactory::makeBool(animation->CGraphicsObject::isVisible());
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
    case GETOPACITY:
        return integer(animation->GetOpacity());
    case FLIPH:
        flip(animation, Flip::Horizontal);
        return nullptr;
    case FLIPV:
        flip(animation, Flip::Vertical);
        return nullptr;
    case RESETFLIPS:
        flip(animation, Flip::Reset);
        return nullptr;
    case DRAWONTO:
        drawOnto(animation, container, stringArgument(arguments, 0), argumentCount(arguments) > 1 ? intArgument(arguments, 1) : 0);
        return nullptr;
    case REPLACECOLOR:
        replaceColor(animation, arguments, 0);
        return nullptr;
    case ISNEAR:
        return isNear(animation, container, arguments);
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
    case SETPOSITION:
        placeAt(animation, intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
    case MOVE:
        animation->Move(intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
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
    case SETANCHOR:
        setAnchor(animation, arguments);
        return nullptr;
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
