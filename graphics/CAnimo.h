#pragma once

#include "graphics/CAnimoEvents.h"
#include "graphics/CFrame.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPlayable.h"

#include <cstdint>
#include <memory>
#include <vector>


// An animated graphics object: a list of frames and a list of named events (CAnimoEvents), each
// event an ordered list of positions naming frames. It is drawn as its current frame, and as a
// playable it advances one position per step of the animation manager, looping, bouncing,
// chaining to the next event or running out as its event says, and playing the sounds of the
// positions it shows. It registers with the installed animation manager while it lives.
//
// The animation shows its current frame's planes as its own (it borrows them; the frames own
// them). Its position is the current frame's place within the animation; the move offset is
// where the whole animation has been moved to. Copies share the frames and sounds of the
// original, which stay alive while any of them needs them, and have their own events.
class CAnimo : public CGraphicsObject, public CPlayable, public CAnimoEvents {
public:
    // Animation flags.
    // A playing animation refuses every Play until it stops.
    static constexpr int RefusePlayWhilePlaying = 0x40000;
    // Stopping leaves the frame sound playing.
    static constexpr int KeepSoundOnStop = 0x80000;
    // Read from a file of the newer kinds.
    static constexpr int NewFormatFile = 0x200000;
    // Frame sounds are streamed from their names when shown, not loaded beforehand.
    static constexpr int StreamSounds = 0x400000;
    // An event that ends goes on to the next event.
    static constexpr int ChainEvents = 0x800000;

    // Run states.
    enum { Playing = 0, Stopped = 1, Paused = 2 };
    // Directions.
    enum { Forward = 0, Backward = 1 };

    explicit CAnimo(CWindow* window);
    // Loads the file.
    CAnimo(CWindow* window, const CXString& file);
    // Another animation's copy: its events, with its frames and sounds shared.
    CAnimo(CAnimo& other);
    ~CAnimo() override;
    CAnimo& operator=(const CAnimo&) = delete;

    using CFileResolver::getFileName;
    using CGraphicsObject::getWindow;

    // ---- playable --------------------------------------------------------------------------
    using CPlayable::play;
    // Plays the current event from its start.
    void play() override;
    void stop(bool notify) override;
    void pause() override { Pause(); }
    void resume() override { Resume(); }
    bool isPlaying() const override { return runState_ == Playing; }
    void seek(int frame) override { Seek(frame); }
    int previous() override;
    // One step in the animation's direction; the animation manager calls it once per due tick.
    int next() override;
    int getFPS() const override { return fps_; }
    using CPlayable::move;
    void move(int dx, int dy) override { Move(dx, dy); }
    void setPosition(int x, int y) override;
    void setPosition(CXPoint p) override;
    using CPlayable::SetGlobalPosition;
    // Moves the whole animation so that its anchor stands at (x, y).
    void SetGlobalPosition(int x, int y) override;
    bool isVisible() const override { return CGraphicsObject::isVisible(); }
    void setVisibility(bool visible) override;
    // Loads the file again first when the animation was flushed.
    void show() override;
    // Flushes first when it is to be released after use.
    void hide() override;
    // Marks the animation on its screen with flag 1.
    void alwaysOnTop() override;

    // ---- graphics object -------------------------------------------------------------------
    CXPoint getCenterPoint() override;
    // Every frame is placed at (x, y).
    void SetPosition(int x, int y) override;
    void SetPosition(CXPoint p) override { SetPosition(p.x, p.y); }
    void Move(int dx, int dy) override;
    using CGraphicsObject::Move;
    // Frees frames, events and sounds; the animation is empty and stopped.
    void Flush() override;
    // Packing is the frames' business: each of these goes to every frame, and the animation
    // shows the current frame's planes as they are afterwards. False when a frame does not
    // unpack.
    bool DeCompress() override;
    bool DeCompressRLE2() override;
    void pack(bool freeUnpacked) override;
    void unpack() override;
    // Of the frame drawn last, else of the current frame.
    int GetPixel(_channel channel, CXPoint p) override;
    // The current frame's colour.
    CColor GetPixel(int x, int y) override;
    using CGraphicsObject::GetPixel;
    // Draws the current frame onto the destiny.
    void Redraw() override;
    // The move offset.
    CXPoint getPosition() override { return CXPoint(moveX_, moveY_); }
    // Where the current frame stands on the target.
    CXPoint GetPosition() override;
    CXRect GetBoundingBox() override;
    CXRect GetAbsoluteBoundingBox() override { return GetBoundingBox(); }
    // The current frame, or the animation itself when it shows none.
    CGraphicsObject* getDrawn() override;

    // ---- files (CAnimoReader, CAnimoWriter) ------------------------------------------------
    // Empties the animation and reads the file; on success it is visible, loaded under that name
    // and shows the first position of its first event with positions. 0, CFile::NOT_FOUND, or
    // CImageReader::DAMAGED for a file that is not a whole animation (the animation stays empty).
    int Load(const CXString& name) override;
    // Any animation file, from the file's position; the same results.
    int Load(CFile* file) override;
    // An "NVP" file; nothing when the file does not open.
    void Save(const CXString& name, _compression code) override;
    // The old format's 12-byte head alone.
    void Save(CFile* file, _compression code) override;

    // ---- frames ----------------------------------------------------------------------------
    virtual int GetNOF() const { return static_cast<int>(frames_.size()); }
    // -1 is the current frame; null out of range.
    virtual CFrame* GetFrame(int frame) const;
    // The frame at a position; null when there is none.
    CFrame* GetEventFrame(int event, int position) const;
    // The frame at the first position, over all events, of that name (letter case ignored).
    CFrame* getFrame(const CXString& name) const;
    // Appends a copy of the picture's planes standing where it stands; the new frame.
    CFrame* AddFrame(CGraphicsObject* picture);
    // Appends the frame itself, which the animation takes over; its index.
    int appendFrame(CFrame* frame);
    // Frees a frame no event shows; the frames after it move down by one. False when some event
    // shows it or it does not exist.
    bool RemoveFrame(int frame);
    using CAnimoEvents::RemoveFrame;
    // Converts every frame of an unpacked animation to the pixel format.
    void Convert(int bpp);
    virtual void clearLastRefreshed() { lastDrawn_ = nullptr; }

    // ---- play control ----------------------------------------------------------------------
    virtual int GetStatus() const { return runState_; }
    virtual bool IsPlaying() const { return runState_ == Playing; }
    virtual int GetFPS() const { return fps_; }
    // Frames per second; 0 or less gives 1.
    void SetFPS(int fps) { fps_ = fps > 0 ? fps : 1; }
    // Goes on with the current event at its own frame rate.
    virtual void Continue();
    virtual void Play(const CXString& event, int position, int unused);
    // Plays the event from the position (-1 is the first), unless the animation refuses.
    virtual void Play(_animoevent event, int position, int unused);
    virtual void Play() { Play(0, 0, 15); }
    virtual void Stop();
    virtual void StopNoNotify();
    virtual void Pause();
    virtual void Resume();
    // The frame shown; -1 when none.
    virtual int Current() const { return currentFrame_; }
    // One step backward; whether the frame shown changed.
    virtual bool Prev();
    // One step forward; whether the frame shown changed.
    virtual bool Next();
    // Shows a frame directly, outside any event.
    virtual void Seek(int frame) { SetFrame(frame); }
    // Plays the event backwards, making its reversed copy the first time.
    virtual void playReverse(const CXString& event, int start);
    void SetFrame(int frame);
    // Shows a position of an event (-1: the current event; position -1: the first).
    void SetEventFrame(int event, int position);
    // The first position whose name (or "Frame <n>") is `frameName`, letter case ignored; its
    // index, -1 when none.
    int SetEventFrame(int event, const CXString& frameName);
    void SetEventFrame(const CXString& event, int position);
    using CAnimoEvents::GetFrameNo;
    // The frame shown.
    int GetFrameNo() const { return currentFrame_; }
    // Where the current frame stands within the animation; (0, 0) when none.
    CXPoint getCurrFramePosition() const;
    // The current frame's test; false when there is none.
    bool isInside(int x, int y, bool useAlpha);
    // Puts a sound at a position (taken over); the one there before is deleted.
    void UpdateSoundFX(int event, int position, CPlayable* sound);

    // ---- settings --------------------------------------------------------------------------
    int GetAnimoFlags() const { return animoFlags_; }
    void SetAnimoFlags(int flags) { animoFlags_ = flags; }
    int GetDirection() const { return direction_; }
    void SetDirection(int direction) { direction_ = direction; }
    bool getLoadAtStart() const { return loadAtStart_; }
    void setLoadAtStart(bool load) { loadAtStart_ = load; }
    int16_t& RandomFramesNumber() { return randomFramesNumber_; }
    CXString& Author() { return author_; }
    CXString& Description() { return description_; }
    // Two filter slots kept for the script layer: each getter answers its own slot's byte and
    // hands out its pointer.
    void SetAttachedFilter(unsigned char kind, CXObject* filter) { filter_ = {kind, filter}; }
    unsigned char GetAttachedFilter(CXObject** filter) const;
    void SetAttachedChangeFilter(unsigned char kind, CXObject* filter) { changeFilter_ = {kind, filter}; }
    unsigned char GetAttachedChangeFilter(CXObject** filter) const;
    // A copy made by the copy constructor.
    bool isCopy() const { return flagByte() != 0; }

    // The current frame's planes, format, size and place (with the current position's offsets)
    // become the animation's own: what is called after a frame's planes were changed.
    void updateWithCurrentFrame();
    // Shows frame f of the current event and position; with `notify` the observers hear of it.
    void Set(int frame, bool notify);

protected:
    // Gives the borrowed planes back without freeing them.
    void dropBorrowedPlanes();
    // Draws the current frame where the animation stands: onto the target, or with none onto
    // the animation's destiny. The frame keeps its own place and clipping.
    void drawCurrentFrame(CGraphicsObject* target);
    // The screen the animation stands on invalidates the rectangle while the animation shows.
    void invalidateOnScreen(CXRect rect);
    // Applies the operation to every frame, then shows the current frame as it now is.
    template <class Operation>
    void forEachFrame(Operation operation)
    {
        for (const std::shared_ptr<CFrame>& frame : frames_)
            operation(*frame);
        updateWithCurrentFrame();
    }

private:
    struct FilterSlot {
        unsigned char kind = 0;
        CXObject* filter = nullptr;
    };

    void initialize();
    // Takes the current frame's planes and stands where it stands, plus the offset.
    void takeCurrentFrame(CXPoint offset);
    // Plays the sound of a position being shown.
    void playFrameSound(int event, int position);
    bool soundStillPlays() const;
    // The current event for a step of Next or Prev; null when the step ends at once (no frames,
    // or no such event: then the current position is shown again).
    _annEventInfo3* eventToStep();
    // The last step of Next and Prev: shows position p of the current event; whether the frame
    // changed from `before`.
    bool showStep(int p, int before);
    // Past the end of an event with animation flag ChainEvents: the next event becomes current
    // when it has positions. False when there is none.
    bool chainToNextEvent();
    // stop(true) in the middle of a step: false when the step must end here, because an
    // observer told of the finish played the animation again.
    bool stopWithinStep();
    // The per-frame offsets of the current position.
    CXPoint currentRecordOffset() const;
    // Places the animation's own graphics position, without the anchor.
    void placeAt(CXPoint p);
    // The frame drawn last goes back to its packed form when another one is drawn now, unless
    // another animation shares it and may show its unpacked planes.
    void packLastDrawn(CFrame* next);

    std::vector<std::shared_ptr<CFrame>> frames_;
    // The streamed frame sound now playing.
    std::unique_ptr<CPlayable> stream_;
    // The preloaded frame sound now playing.
    std::shared_ptr<CPlayable> currentSound_;
    CXString author_{"Tamzora"};
    CXString description_;
    int currentFrame_ = -1;
    bool loadAtStart_ = false;
    int animoFlags_ = 0;
    CFrame* lastDrawn_ = nullptr;
    int moveX_ = 0;
    int moveY_ = 0;
    int runState_ = Stopped;
    int direction_ = Forward;
    int playedEvent_ = 0;
    int fps_ = 15;
    int16_t randomFramesNumber_ = 0;
    FilterSlot filter_;
    FilterSlot changeFilter_;
};
