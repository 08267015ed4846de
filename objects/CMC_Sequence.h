#pragma once

#include "application/CSequenceHolder.h"
#include "graphics/CPlayableObserver.h"
#include "script/CMC_Object.h"

class CMElement;
class CMC_ObjectsContainer;
class CSignalList;
class CWindow;

// The SEQUENCE script object (type 2004): the tree of animations, sounds and sub-sequences a
// sequence definition file (FILENAME) describes, played by named events. It hears every playable
// of its tree: "ONSTARTED" and "ONFINISHED" for the whole sequence, and only the specific forms
// "ONSTARTED^" and "ONFINISHED^" with the name in capitals for its elements.
//
// The file is read at init, and again when the tree is asked for while it is missing (after a
// failed read or after done); a read asked for while one runs (an ONINIT behaviour that calls
// the object) is not started again. It goes first when its scene unloads.
class CMC_Sequence : public CMC_Object, public CPlayableObserver, public CSequenceHolder {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED".
    static const CSignalList& signalList();

    // Empty, named "temp", to be restored from the scene archive.
    explicit CMC_Sequence(CMC_ObjectsContainer* container);
    // From a definition: FILENAME, then the behaviours.
    CMC_Sequence(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Sequence() override;

    // Reads the file (unless the tree is there), then "ONINIT".
    void init() override;
    bool doneFirst() override { return true; }
    // With the whole container the tree goes; then "ONDONE".
    bool done(bool wholeContainer) override;
    CXString** getBehavioursList() override;
    // The file name after the common record.
    void serialize(CXArchive* archive) override;

    // The root of the tree, read now when it is missing; null without one (or when the object
    // went meanwhile).
    CPlayable* getSequence();
    CPlayable* getSequencePlayable() override { return getSequence(); }
    CXString getFileName() const { return fileName_; }

    bool onPlayableStarted(CPlayable* playable) override;
    bool onPlayableFinished(CPlayable* playable) override;

private:
    void load();
    // Raises the form, unless the signal of that list place has no handler.
    void raise(const char* signal, const CXString& form);
    // The tree goes: at once, or while a script runs (it may run inside the tree's own code)
    // stopped now and deleted at the window's next trash sweep.
    void releaseSequence();

    CWindow* window_;
    CPlayable* sequence_ = nullptr;
    CXString fileName_;
    bool initializing_ = false;
};
