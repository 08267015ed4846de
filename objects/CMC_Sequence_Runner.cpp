#include "objects/CMC_Sequence_Runner.h"

#include "objects/CMC_Sequence.h"
#include "objects/CScriptSoundScale.h"
#include "script/CMC_Array.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "sound/CMultimediaSequenceCreator.h"
#include "sound/CSequencedPlayable.h"

namespace {

int integerOf(CMC_Variable* value)
{
    CMC_Variable* converted = value != nullptr ? value->convert(script::TYPE_INTEGER) : nullptr;
    const int number = converted != nullptr && converted->getType() == script::TYPE_INTEGER ? static_cast<CMC_Integer*>(converted)->getValue() : 0;
    if (converted != value)
        CMC_Object::flush(converted);
    return number;
}

} // namespace

void CMC_Sequence_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("PLAY", PLAY);
    putMethod("STOP", STOP);
    putMethod("PAUSE", PAUSE);
    putMethod("RESUME", RESUME);
    putMethod("SHOW", SHOW);
    putMethod("HIDE", HIDE);
    putMethod("ISPLAYING", ISPLAYING);
    putMethod("SETVOLUME", SETVOLUME);
    putMethod("SETPAN", SETPAN);
    putMethod("SETFREQ", SETFREQ);
    putMethod("GETEVENTNAME", GETEVENTNAME);
    putMethod("GETPLAYING", GETPLAYING);
}

CMC_Variable* CMC_Sequence_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* owner = object != nullptr && object->getType() == script::TYPE_SEQUENCE ? dynamic_cast<CMC_Sequence*>(object) : nullptr;
    if (owner == nullptr || id < PLAY || id > GETPLAYING)
        return CMC_Runner::run(id, object, container, arguments);
    CPlayable* sequence = owner->getSequence();
    if (sequence == nullptr)
        return nullptr;
    switch (id) {
    case PLAY:
        play(sequence, container, arguments);
        break;
    case STOP:
        if (sequence->isPlaying())
            sequence->stop(boolArgument(arguments, 0, true));
        break;
    case PAUSE:
        sequence->pause();
        break;
    case RESUME:
        sequence->resume();
        break;
    case SHOW:
        sequence->show();
        break;
    case HIDE:
        sequence->hide();
        break;
    case ISPLAYING:
        return CMC_VariableFactory::makeBool(sequence->isPlaying());
    case SETVOLUME:
        sequence->setVolume(CScriptSoundScale::volume(intArgument(arguments, 0)));
        break;
    case SETPAN:
        sequence->setPanning(CScriptSoundScale::panning(intArgument(arguments, 0)));
        break;
    case SETFREQ:
        sequence->setFrequency(intArgument(arguments, 0));
        break;
    case GETEVENTNAME:
        return eventName(sequence, arguments);
    case GETPLAYING: {
        CPlayable* playing = sequence->getPlaying();
        return CMC_VariableFactory::makeString(playing != nullptr ? playing->getName() : CXString());
    }
    default:
        break;
    }
    return nullptr;
}

void CMC_Sequence_Runner::play(CPlayable* sequence, CMC_ObjectsContainer* container, CXVector* arguments)
{
    const CXString event = stringArgument(arguments, 0);
    if (argumentCount(arguments) >= 2) {
        CMC_Object* source = objectArgument(arguments, 1, container);
        auto* values = source != nullptr && source->getType() == script::TYPE_ARRAY ? dynamic_cast<CMC_Array*>(source) : nullptr;
        const CXString parameter = values != nullptr ? fillTemplate(sequence->getParameter(event), values) : stringArgument(arguments, 1);
        sequence->setParameter(event, parameter);
    }
    sequence->play(event);
}

CXString CMC_Sequence_Runner::fillTemplate(const CXString& pattern, CMC_Array* values)
{
    CXString filled = pattern;
    char* text = filled.getBuffer();
    int next = 0;
    for (int place = 0; place < values->getSize() && place < filled.getLength(); ++place) {
        if (text[place] == 'x' || text[place] == 'X')
            text[place] = CMultimediaSequenceCreator::getParameter(integerOf(values->get(next++)));
    }
    return filled;
}

CMC_Variable* CMC_Sequence_Runner::eventName(CPlayable* sequence, CXVector* arguments)
{
    if (argumentCount(arguments) == 0)
        return CMC_VariableFactory::makeString(sequence->getLastPlayedEvent());
    CSequencedPlayable* tree = CSequencedPlayable::asSequence(sequence);
    return CMC_VariableFactory::makeString(tree != nullptr ? tree->getLastPlayedEvent(stringArgument(arguments, 0)) : CXString());
}
