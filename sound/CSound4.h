#pragma once

#include "graphics/CPlayable.h"

#include <memory>

class CMElement;

namespace platform {
class AudioBuffer;
class AudioDevice;
}

// One sound effect held whole, decoded, in a sound buffer of the process's audio device. It is a
// playable, so sequences, animations and script objects start, stop, pause and observe it like
// any other medium. Sounds made from a file name join the installed sound manager, which reports
// in the engine turn after a sound's buffer ran out that it finished. Main thread only.
//
// Status: Play() makes it playing, pause() paused (keeping the play cursor), Stop() stopped; a
// buffer that runs out leaves the status playing, the end report does not change it.
class CSound4 : public CPlayable {
public:
    // The playable type of a sound made from a file name.
    static constexpr int TYPE = 1;

    // Opens the process's audio device for the window (platform::audio()); null when there is none
    // (the game then runs silently: every load fails). Called by the window once.
    static platform::AudioDevice* CreateDirectSoundInterface(CWindow* window);
    // Closes the device again (the window's release).
    static void DestroySoundBuffer();

    // An empty sound: no file, in no manager.
    explicit CSound4(CWindow* window);
    // The form the engine uses: joins the sound manager, loads at once when asked.
    CSound4(CWindow* window, const CXString& file, bool flushAfterPlayed, bool preload);
    // From a definition element: "FILENAME" in the window's sound-effects folder, "PRELOAD",
    // "LOOP", "FLUSHAFTERPLAYED". Joins no manager.
    CSound4(CWindow* window, CMElement* element);
    ~CSound4() override;

    // Decodes the file into a new buffer; true when it was made and filled. A name ending in
    // ".SPX" never loads.
    virtual bool load();
    bool Load(const CXString& file);
    void SetFileName(const CXString& file) { setFilename(file); }
    // Lets the buffer go; the next play loads again.
    void Flush();

    // Plays once from where a pause left it (loading first when needed); nothing when it cannot
    // load. Tells the observers "started", or "resumed" after a pause.
    virtual void Play();
    // Plays from the start, looping when asked; neither status nor manager hear of it, so its end
    // is never reported.
    virtual void Play(bool loop);
    virtual void Stop();
    virtual bool IsPlaying() const;
    // The end report of the sound manager: "finished" unless the last stop asked for silence.
    virtual void OnWAVFinished();
    void SetPosition(int offset);
    // The definition's "LOOP", kept for the sound's users.
    bool getLoop() const { return loop_; }
    // The name in the window's sound-effects folder; unchanged without a window.
    static CXString fullPathOf(CWindow* window, const CXString& name);

    using CPlayable::play;
    void play() override;
    void stop(bool notify) override;
    void pause() override;
    void resume() override;
    bool isPlaying() const override;
    void seek(int offset) override;
    // Passed to the buffer when loaded (a new buffer starts at full volume, centred, at its own
    // frequency) and always kept.
    void setVolume(int volume) override;
    void setPanning(int panning) override;
    void setFrequency(int frequency) override;

private:
    std::unique_ptr<platform::AudioBuffer> buffer_;
    bool loop_ = false;
    bool flushAfterPlayed_ = false;
    bool notifyOnFinish_ = true;
    // Byte offset at which the next Play() starts.
    int resumeOffset_ = 0;
};
