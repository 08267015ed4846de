#pragma once

#include "graphics/CPlayableObserver.h"
#include "script/CMC_Object.h"

#include <memory>

class CMElement;
class CMovie;
class CSignalList;

// The MOVIE script object (type 2024): a video (CMovie) of the file FILENAME, shown on the
// window's screen at PRIORITY (not shown while it is below 0) and POSITION, played, stopped,
// paused, resumed, sought and looped by scripts. It raises "ONSTARTED" when a play starts it,
// "ONFRAMEUPDATED" for each new picture and "ONFINISHED" at its end or when stopped with the
// report asked for; all in the plain form only. It is made from definitions only: it has no stored
// record. The object owns its movie.
class CMC_Movie : public CMC_Object, public CPlayableObserver {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED", "ONFRAMEUPDATED".
    static const CSignalList& signalList();

    CMC_Movie(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Movie() override;

    CXString** getBehavioursList() override;
    virtual CMovie* getMovie() const { return movie_.get(); }

    bool onPlayableStarted(CPlayable* playable) override;
    bool onPlayableTick(CPlayable* playable) override;
    bool onPlayableFinished(CPlayable* playable) override;

private:
    void raise(const char* signal);

    std::unique_ptr<CMovie> movie_;
};
