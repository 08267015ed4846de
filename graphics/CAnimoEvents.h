#pragma once

#include "graphics/_anmFrameInfo3.h"
#include "graphics/_annEventInfo3.h"

#include "foundation/CXPoint.h"

#include <memory>
#include <vector>

class CPlayable;

// An event index; -1 stands for the current event where an operation says so.
using _animoevent = int;

// The events of an animation and where it stands in them: each event is an ordered list of
// positions naming frames (an _annEventInfo3), with a per-frame record and a sound slot for every
// position. The animation plays them; this part only holds, finds and edits them.
//
// A copy of the events shares the sounds of the original (they live while either needs them) and
// has its own records. Indices out of range are ignored by every operation.
class CAnimoEvents {
public:
    CAnimoEvents() = default;
    CAnimoEvents(const CAnimoEvents& other);
    CAnimoEvents& operator=(const CAnimoEvents& other);
    virtual ~CAnimoEvents();

    int GetNOE() const { return static_cast<int>(events_.size()); }
    int GetCurrentEvent() const { return currentEvent_; }
    void SetCurrentEvent(int event) { currentEvent_ = event; }
    // The current position within the current event.
    int GetCurrentFrameInSequence() const { return position_; }

    // The record of an event; null out of range.
    _annEventInfo3* GetEventInfo(int event) const;
    // A position's record in the current event, or in the given one; null when the event has no
    // per-frame records.
    _anmFrameInfo3* GetFrameInfo(int position) const { return GetFrameInfo(currentEvent_, position); }
    _anmFrameInfo3* GetFrameInfo(int event, int position) const;
    int GetNOFInEvent(int event) const;
    // 0 when no event has that name.
    int GetNOFInEvent(const CXString& name) const;
    // The first event of that name, letter case ignored; -1 when none.
    int GetEventNo(const CXString& name) const;
    // The event itself, or the current one for -1.
    int GetEventNo(int event) const { return event == -1 ? currentEvent_ : event; }
    int resolveEventName(const CXString& name) const;
    // -1 is the current event; "" out of range.
    CXString GetEventName(int event) const;
    CXString getCurrentEventName() const { return GetEventName(currentEvent_); }
    // The first event with positions; 0 when none has.
    int getFirstEvent() const;
    // The event index of that name, letter case ignored; 0 when none.
    int getFrameNo(const CXString& eventName) const;
    // A position code resolved (-3 the last position, -2 the first, -1 the current); event -1 is
    // the current event.
    int GetFrameNo(int event, int position) const;
    // The first position of the event whose name is exactly `frameName`; -1 when none.
    int GetFrameNo(int event, const CXString& frameName) const;
    // The loop-back position and loop point into `out`; the loop count.
    int GetLoop(_animoevent event, CXPoint& out) const;
    // The position's name; without one "Frame <position>" when `fallback` is "Default", else
    // `fallback`.
    CXString GetName(int event, int position, const CXString& fallback) const;
    // -1 is the current event or position; "" when the position has no name.
    CXString getFrameName(int event, int position) const;
    // The frame shown at a position; -1 out of range.
    int frameAt(int event, int position) const;
    // The first position whose GetName(event, position, "Default") is `frameName`, letter case
    // ignored; event -1 is the current one. -1 when none.
    int findNamedPosition(int event, const CXString& frameName) const;
    // The frame at the first position, over all events in order, of that name (letter case
    // ignored); -1 when none.
    int findNamedFrame(const CXString& frameName) const;
    // The sound played at a position; null when there is none.
    CPlayable* GetSound(int event, int position) const;
    // Calls the setter (volume, panning, frequency) of every sound of every position.
    void applyToSounds(void (CPlayable::*setter)(int), int value) const;

    // Appends a copy of the record with a default per-frame record and an empty sound slot for
    // each position; answers its index.
    int AddEvent(const _annEventInfo3& record);
    void RemoveEvent(int event);
    void RemoveAllEvents();
    // Swaps the frames and records of two positions; their sounds stay where they are.
    void ExchangeFrames(int event, int first, int second);
    // Takes a position out; later positions move up (sounds stay where they are).
    void RemoveFrame(int event, int position);
    // The event keeps no positions.
    void RemoveAllFrames(int event);
    // The position's sound name is forgotten; event -1 is the current one.
    void ClearWAVEntry(int event, int position);
    // Whether any position of any event shows the frame.
    bool usesFrame(int frame) const;
    // Every frame number above `frame` drops by one.
    void renumberAfterRemoval(int frame);
    // Adds the event played backwards, named after it with "_reverse": positions reversed, each
    // with the mirrored position's offsets, opacity, name and sound name (no sound objects).
    // Answers its index; -1 when the name would not fit the record.
    int addReversedCopy(int event);

protected:
    // The sound at a position, shared with the caller so it outlives a change of the slot.
    std::shared_ptr<CPlayable> soundAt(int event, int position) const;
    // The position gets the sound (taken over); the old one is let go. False out of range.
    bool setSound(int event, int position, CPlayable* sound);
    void setCurrentPosition(int position) { position_ = position; }

private:
    struct Event {
        _annEventInfo3 info;
        std::vector<_anmFrameInfo3> records;
        std::vector<std::shared_ptr<CPlayable>> sounds;
    };

    Event* eventAt(int event) const;

    std::vector<std::unique_ptr<Event>> events_;
    int currentEvent_ = 0;
    int position_ = 0;
};
