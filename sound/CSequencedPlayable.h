#pragma once

#include "foundation/CXRect.h"
#include "graphics/CPlayable.h"
#include "graphics/CPlayableObserver.h"
#include "graphics/CPlayableRef.h"

#include <memory>
#include <unordered_set>
#include <vector>

class CMElement;

// A playable made of child playables (sounds, animation events, speaking animations, further
// sequences): it plays them one after another (SEQUENCE), one drawn at random (RANDOM) or the one
// its parameter names (PARAMETER), and tells its observers when it starts and when it is done.
//
// In SEQUENCE mode a child whose wait mode is false starts together with the next one when the
// sequence starts; later children start one at a time, each when the one before has finished (at
// its end report, or at the animation manager's check every 100 ms). The parameter's first
// character names a child by index ("1"-"9" 0 to 8, "A"-"Z" 9 to 34, "a" onward from 35); a
// PARAMETER sequence hands the rest of it on, and a SEQUENCE takes over what a finished child
// left, so nested sequences consume the parameter one character each.
//
// A sequence holds each child once per addChild and counts itself among the child's parents: a
// child is deleted with the last sequence that holds it, except sounds and animations, which
// their resources manager or script object own; a child deleted elsewhere is skipped. Main
// thread only.
class CSequencedPlayable : public CPlayable, public CPlayableObserver {
public:
    static constexpr int TYPE = 7;
    // Play modes.
    enum { SEQUENCE = 1, RANDOM = 2, PARAMETER = 3 };

    explicit CSequencedPlayable(CWindow* window);
    // The element is not read.
    CSequencedPlayable(CWindow* window, CMElement* element);
    ~CSequencedPlayable() override;

    void addChild(CPlayable* child) override;
    // Takes the first place of the child out without deleting it; the child counts one parent
    // less.
    void removeChild(CPlayable* child);
    int getChildrenCount() const { return static_cast<int>(children_.size()); }
    // Null outside the list, and for a child deleted elsewhere.
    CPlayable* getChild(int index) const;
    // The child started last; -1 before the first.
    int getCurrent() const { return current_; }
    // The playable as a sequence when its type says it is one; null otherwise.
    static CSequencedPlayable* asSequence(CPlayable* playable);
    // The child a selector character names; -1 for a character that names none.
    static int childIndexOf(char code);
    // Media made for the tree that nothing else holds: deleted with this sequence, after its
    // children.
    void keepMedia(std::vector<std::unique_ptr<CPlayable>> media);

    // The leaf that plays now; null when the sequence does not play.
    CPlayable* getPlaying() override;
    using CPlayable::getParameter;
    // "" for less than two characters; in PARAMETER mode all but the first character.
    CXString getParameter() const override;
    using CPlayable::play;
    void play() override;
    void stop(bool notify) override;
    void pause() override;
    void resume() override;
    // A child's end report.
    bool onPlayableFinished(CPlayable* child) override;
    // Starts the child of that index (-1 the first, -2 the last, -3 the previous, -4 the next).
    void seek(int index) override;
    // The check of the animation manager: in SEQUENCE mode the next child once the current one
    // is done; the position.
    int next() override;
    using CPlayable::move;
    // Every animation of the tree moves.
    void move(int dx, int dy) override;
    using CPlayable::setPosition;
    void setPosition(int x, int y) override;
    void setVisibility(bool visible) override;
    void alwaysOnTop() override;

    // The playable that playing the event would reach.
    CPlayable* get(const CXString& event);
    using CPlayable::getLastPlayedEvent;
    // The name of the leaf now playing below the sequence of that name (this one for ""); "".
    CXString getLastPlayedEvent(const CXString& name);
    // New arrays (the caller's) of every animation of the tree, and of every playable of a type
    // below sequences, each once, in tree order.
    CXArray* getAllAnimations();
    CXArray* getAllOfType(int type);
    // Of the first animation (mode 1) or of the first that plays (any other mode); empty without.
    CXRect getBoundingBox(int mode);
    CXPoint getPosition(int mode);
    // No playable of the tree, this one included, tells the observer anything any more.
    void forgetObserver(CPlayableObserver* observer);
    // Hands this sequence's volume and panning, and its frequency when set, to the playable.
    void accure(CPlayable* playable);

private:
    // The child becomes the sequence's alone to hear, gets the parameter when asked, plays and
    // takes the sound settings.
    void startChild(int index, bool withParameter);
    bool playsChild(int index) const;
    void playSequence();
    void playRandom();
    void playParameter();
    // Every child below, each sequence walked once; sequences are visited themselves only when
    // asked.
    template <class Visit>
    void walk(Visit& visit, std::unordered_set<const CPlayable*>& walked, bool withSequences) const;
    CAnimo* pickAnimation(int mode);
    void letChildGo(CPlayable* child);

    std::vector<CPlayableRef<CPlayable>> children_;
    int current_ = -1;
    std::vector<std::unique_ptr<CPlayable>> media_;
};
