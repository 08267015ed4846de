#include "objects/CMC_Sound_Runner.h"

#include "objects/CMC_Sound.h"
#include "objects/CScriptSoundScale.h"
#include "script/CMC_Bool.h"
#include "script/CMC_VariableFactory.h"
#include "sound/CSound4.h"

void CMC_Sound_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("PLAY", PLAY);
    putMethod("STOP", STOP);
    putMethod("PAUSE", PAUSE);
    putMethod("RESUME", RESUME);
    putMethod("LOAD", LOAD);
    putMethod("SETVOLUME", SETVOLUME);
    putMethod("SETPAN", SETPAN);
    putMethod("SETFREQ", SETFREQ);
    putMethod("ISPLAYING", ISPLAYING);
}

CMC_Variable* CMC_Sound_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* owner = dynamic_cast<CMC_Sound*>(object);
    CSound4* sound = owner != nullptr ? owner->getSound() : nullptr;
    if (sound == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case PLAY:
        sound->play();
        return nullptr;
    case STOP:
        // Without an argument the stop is reported as the sound's end.
        sound->stop(boolArgument(arguments, 0, true));
        return nullptr;
    case PAUSE:
        sound->pause();
        return nullptr;
    case RESUME:
        sound->resume();
        return nullptr;
    case LOAD:
        // The name as given, not in the sound folder.
        return CMC_VariableFactory::makeBool(sound->Load(stringArgument(arguments, 0)));
    case SETVOLUME:
        sound->setVolume(CScriptSoundScale::volume(intArgument(arguments, 0)));
        return nullptr;
    case SETPAN:
        sound->setPanning(CScriptSoundScale::panning(intArgument(arguments, 0)));
        return nullptr;
    case SETFREQ:
        sound->setFrequency(intArgument(arguments, 0));
        return nullptr;
    case ISPLAYING:
        return CMC_VariableFactory::makeBool(sound->isPlaying());
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}
