#pragma once

#include "graphics/CFileResolver.h"

#include "foundation/CXArray.h"
#include "foundation/CXPoint.h"

#include <memory>
#include <vector>

class CAnimo;
class CPlayableObserver;
class CWindow;

// The base of every medium that can be played: animations, images, sounds, sequences, speaking
// animations, random playables and video. It gives them one vocabulary (named events, play by
// event name, stop, pause, resume, seek, position, visibility, sound settings) and tells its
// observers when it starts, steps, finishes or resumes. The concrete media supply play, stop,
// pause, resume and seek and drive the status word; one that overrides play() brings the base's
// play(event) back into view with `using CPlayable::play`. Main thread only.
class CPlayable : public CFileResolver {
public:
    // What notify() reports.
    enum Notification { Started = 1, Tick = 2, Finished = 3, Resumed = 4 };
    // Bits of the status word.
    static constexpr int StatusPlaying = 1;
    static constexpr int StatusPaused = 2;
    // The seek codes previous() and next() use; a medium that keeps them must accept these.
    static constexpr int SeekPrevious = -3;
    static constexpr int SeekNext = -4;

    explicit CPlayable(CWindow* window);
    ~CPlayable() override;
    CPlayable(const CPlayable&) = delete;
    CPlayable& operator=(const CPlayable&) = delete;

    virtual void addChild(CPlayable* child) {}
    virtual void setParent(CPlayable* parent) { parent_ = parent; }
    // True when no parent is set.
    virtual bool isParent() const { return parent_ == nullptr; }
    virtual void substAnimation(CAnimo* animation) {}
    // The observers in the order they were added; the playable does not own them.
    virtual CXArray* getNotifiers() { return &notifiers_; }
    // The observer becomes the only one listed.
    virtual void setNotifier(CPlayableObserver* observer);
    // This playable while it plays, else null.
    virtual CPlayable* getPlaying();
    virtual CXString getParam() const { return parameter_; }
    // The value of the event of that name, letter case ignored; "" when there is none.
    virtual CXString getParameter(const CXString& eventName) const { return lookupEvent(eventName); }
    virtual CXString getParameter() const { return parameter_; }

    // Stops without a finished report, remembers the event, takes its value as the parameter and
    // plays. An unknown event still plays, with an empty parameter.
    virtual void play(const CXString& event);
    virtual void play() = 0;
    // Stops; a finished report follows only when `notify` is true.
    virtual void stop(bool notify) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // A parent sequence overrides it to hear of its children.
    virtual bool onPlayableFinished(CPlayable* child) { return false; }

    virtual int getStatus() const { return status_; }
    virtual bool isPlaying() const { return (status_ & StatusPlaying) != 0; }
    virtual bool isPaused() const { return (status_ & StatusPaused) != 0; }
    virtual int getType() const { return type_; }

    virtual void seek(int position) = 0;
    // seek(SeekPrevious), then the position it left.
    virtual int previous();
    // seek(SeekNext), then the position it left.
    virtual int next();
    // Frames per second at which the animation manager steps the medium.
    virtual int getFPS() const { return 10; }

    virtual void move(int dx, int dy) {}
    virtual void move(CXPoint delta) { move(delta.x, delta.y); }
    virtual void setPosition(int x, int y) {}
    virtual void setPosition(CXPoint position) { setPosition(position.x, position.y); }
    virtual void SetGlobalPosition(int x, int y) {}
    virtual void SetGlobalPosition(CXPoint position) { SetGlobalPosition(position.x, position.y); }

    virtual bool isVisible() const { return visible_; }
    virtual void setVisibility(bool visible) { visible_ = visible; }
    virtual void show() { setVisibility(true); }
    void hide() override { setVisibility(false); }
    virtual void alwaysOnTop() {}
    virtual CXString getLastPlayedEvent() const { return lastPlayedEvent_; }

    // Tells every listed observer, in order, then the generic notifier, and answers what the last
    // one told answered (true when nobody was told). An observer taken off the list while others
    // are being told is not told any more.
    virtual bool notify(int type);
    // True while the playable tells its observers: whatever they do then must not delete it.
    bool isNotifying() const { return notifying_ > 0; }

    virtual void setVolume(int volume) { volume_ = volume; }
    virtual void setPanning(int panning) { panning_ = panning; }
    virtual void setFrequency(int frequency) { frequency_ = frequency; }
    int getVolume() const { return volume_; }
    int getPanning() const { return panning_; }
    int getFrequency() const { return frequency_; }

    void setName(const CXString& name) { name_ = name; }
    CXString getName() const { return name_; }
    void setParameter(const CXString& parameter) { parameter_ = parameter; }
    // Gives the first event of exactly that name (letter case counts) the new value; an unknown
    // name changes nothing.
    void setParameter(const CXString& eventName, const CXString& value);
    // Appends an event, even when one of that name exists already.
    void addEvent(const CXString& eventName, const CXString& value);

    // Adds the observer unless it is listed already.
    void addNotifier(CPlayableObserver* observer);
    void removeNotifier(CPlayableObserver* observer);
    void clearNotifiers() { notifiers_.removeAll(); }
    // Told after every listed observer, even when it is listed too.
    void setGenericNotifier(CPlayableObserver* observer) { genericNotifier_ = observer; }
    CPlayableObserver* getGenericNotifier() const { return genericNotifier_; }

    // Read by sequences.
    void setMode(int mode) { mode_ = mode; }
    int getMode() const { return mode_; }
    void setWaitMode(bool wait) { waitMode_ = wait; }
    bool getWaitMode() const { return waitMode_; }
    // How many sequences hold this medium.
    void addParent() { ++parentsCount_; }
    void subParent() { --parentsCount_; }
    int getParentsNo() const { return parentsCount_; }

    CWindow* getWindow() const { return window_; }
    // Expires when the playable is deleted: a weak hold for those that may outlive it.
    std::weak_ptr<const void> lifetime() const;

protected:
    void setType(int type) { type_ = type; }
    void setStatus(int status) { status_ = status; }
    int playPosition() const { return position_; }
    void setPlayPosition(int position) { position_ = position; }

private:
    struct Event {
        CXString name;
        CXString value;
    };

    CXString lookupEvent(const CXString& eventName) const;
    bool tell(CPlayableObserver* observer, int type);

    int type_ = 0;
    int status_ = 0;
    int position_ = -1;
    CXString name_;
    CWindow* window_;
    bool waitMode_ = true;
    CXString parameter_;
    std::vector<Event> events_;
    int mode_ = 1;
    int parentsCount_ = 0;
    bool visible_ = true;
    CXString lastPlayedEvent_;
    int volume_ = 0;
    int panning_ = 0;
    int frequency_ = 0;
    CPlayable* parent_ = nullptr;
    CPlayableObserver* genericNotifier_ = nullptr;
    int notifying_ = 0;
    CXArray notifiers_;
    mutable std::shared_ptr<const void> lifetime_;
};
