#include "objects/CMC_Movie_Runner.h"

#include "objects/CMC_Movie.h"
#include "script/CMC_Bool.h"
#include "script/CMC_VariableFactory.h"
#include "sound/CMovie.h"

void CMC_Movie_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("LOAD", LOAD);
    putMethod("SETPOSITION", SETPOSITION);
    putMethod("PLAY", PLAY);
    putMethod("STOP", STOP);
    putMethod("SETLOOP", SETLOOP);
    putMethod("SEEK", SEEK);
    putMethod("ISPLAYING", ISPLAYING);
    putMethod("PAUSE", PAUSE);
    putMethod("RESUME", RESUME);
}

CMC_Variable* CMC_Movie_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* owner = dynamic_cast<CMC_Movie*>(object);
    CMovie* movie = owner != nullptr ? owner->getMovie() : nullptr;
    if (movie == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case LOAD:
        return CMC_VariableFactory::makeBool(movie->load(stringArgument(arguments, 0)));
    case SETPOSITION:
        // The new place is drawn too, also while no new picture comes.
        placeAt(movie, intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
    case PLAY:
        movie->play();
        return nullptr;
    case STOP:
        // Without an argument the stop is reported as the end.
        movie->stop(boolArgument(arguments, 0, true));
        return nullptr;
    case SETLOOP:
        // Without both ends the whole video loops.
        if (argumentCount(arguments) >= 2)
            movie->setRange(intArgument(arguments, 0), intArgument(arguments, 1));
        else
            movie->setRange(0, -1);
        return nullptr;
    case SEEK:
        // Milliseconds to 100-nanosecond units, in 64 bits: long videos are sought past 214 s too.
        movie->seekTime(int64_t{intArgument(arguments, 0)} * 10000);
        return nullptr;
    case ISPLAYING:
        return CMC_VariableFactory::makeBool(movie->isPlaying());
    case PAUSE:
        movie->pause();
        return nullptr;
    case RESUME:
        movie->resume();
        return nullptr;
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}
