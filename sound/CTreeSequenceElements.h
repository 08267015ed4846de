#pragma once

#include "foundation/CXObject.h"
#include "graphics/CPlayableRef.h"
#include "sound/CSequenceLinks.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CAnimo;
class CPlayable;
class CPlayableObserver;
class CResourcesManager;
class CSpeakingAnimation;
class CWindow;

// One named entry of a sequence definition file.
struct _tse_entry {
    CXString name;
    // 0 until typed, then CTreeSequenceElements::SIMPLE, SEQUENCE or SPEAKING.
    int kind = 0;
    CXString fileName;
    CXString event{"0"};
    // Made by the entry's last TYPE line.
    CPlayable* playable = nullptr;
};

// The named entries of one sequence definition file while it is read, and the playables made for
// them: sounds and animation events (SIMPLE), sequences (SEQUENCE) and speaking animations
// (SPEAKING), with animations and sounds taken from the live scene's ANIMO and SOUND objects or
// shared through the resources manager. Every operation on a name that is not declared, or on an
// entry without the kind or playable it needs, does nothing.
//
// The tree holds what it made until a result is taken (takeRoot): then every playable the result
// does not reach is deleted, and media that no manager holds go to the result. Links that would
// close a loop, nest deeper than MAX_DEPTH or give a sequence more than MAX_PATHS ways down are
// refused, and a file makes at most MAX_MADE playables and as many links, so a hostile file can
// make neither reading nor playing nor walking the tree run away. Main thread only.
class CTreeSequenceElements : public CXObject {
public:
    // Kinds of entries.
    enum { NONE = 0, SIMPLE = 1, SEQUENCE = 2, SPEAKING = 3 };
    static constexpr int MAX_DEPTH = 64;
    static constexpr int MAX_PATHS = 10000;
    static constexpr int MAX_MADE = 4096;
    // The screen priority of animations loaded for SIMPLE entries.
    static constexpr int PRIORITY = 1000;

    CTreeSequenceElements(CWindow* window, CResourcesManager* resources);
    // Deletes what no result took.
    ~CTreeSequenceElements() override;
    CTreeSequenceElements(const CTreeSequenceElements&) = delete;
    CTreeSequenceElements& operator=(const CTreeSequenceElements&) = delete;

    // Exact (case-sensitive) names.
    _tse_entry* find(const CXString& name) const;
    bool contains(const CXString& name) const { return find(name) != nullptr; }
    // Appends an entry; no test for one of that name.
    void add(const CXString& name);
    void setType(const CXString& name, const CXString& type);
    void setFileName(const CXString& name, const CXString& value);
    void setEvent(const CXString& name, const CXString& value);
    // The entry's playable for its kind, made now, named after it and heard by the observer as
    // its generic notifier; an earlier playable of the entry is dropped from it. Nothing once
    // MAX_MADE playables were made.
    void create(_tse_entry* entry, CPlayableObserver* observer);
    void create(CPlayableObserver* observer);

    void setMode(const CXString& name, const CXString& mode);
    void setWaitMode(const CXString& name, bool wait);
    void addSequenceEvent(const CXString& name, const CXString& value, const CXString& event);
    // The child's playable joins the parent's sequence.
    void add(const CXString& child, const CXString& parent);
    // SIMPLE and SPEAKING entries only.
    void show(const CXString& name);
    void hide(const CXString& name);
    // SPEAKING entries only.
    void setPrefix(const CXString& name, const CXString& value);
    void setAnimoFN(const CXString& name, const CXString& value);
    // The sound of the entry of that name, else of the live scene's SOUND of that name, else the
    // sound file of that name in the window's sound-effects folder.
    void setWAVFN(const CXString& name, const CXString& value);
    void setStarting(const CXString& name, bool starting);
    void setEnding(const CXString& name, bool ending);
    // Accepted and ignored.
    void setToSay(const CXString& name, const CXString& value) {}
    void setSequence(const CXString& name, const CXString& key, const CXString& value) {}

    // The playable of the entry of that name (null when none), which the caller now owns unless
    // it is a sound the resources manager holds. Everything else the tree made and the result
    // does not reach is deleted; media made without a manager that it reaches go with it.
    CPlayable* takeRoot(const CXString& name);

private:
    CPlayable* createSimple(_tse_entry* entry);
    CPlayable* playableOf(const CXString& name) const;
    CSpeakingAnimation* speakingOf(const CXString& name) const;
    static int eventIndex(CAnimo* animation, const CXString& event);
    bool isOwnMedium(const CPlayable* playable) const;
    void settle(CPlayable* root);

    CWindow* window_;
    CResourcesManager* resources_;
    CPlayableObserver* observer_ = nullptr;
    std::vector<std::unique_ptr<_tse_entry>> entries_;
    // The first entry of each name, as a walk through the entries finds it.
    std::unordered_map<std::string, _tse_entry*> byName_;
    // Every playable made, in order; sounds made without a manager; the links made.
    std::vector<CPlayableRef<CPlayable>> made_;
    std::vector<CPlayable*> ownMedia_;
    CSequenceLinks links_;
};
