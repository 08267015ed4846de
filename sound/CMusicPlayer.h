#pragma once

#include "foundation/CXObject.h"
#include "graphics/CMusicPlayerIfc.h"

#include <memory>

class CSndStream;
class CWindow;

// The one background-music stream of a window. A piece that cannot be opened stays the current
// stream, silent.
class CMusicPlayer : public CXObject, public CMusicPlayerIfc {
public:
    explicit CMusicPlayer(CWindow* window);
    ~CMusicPlayer() override;
    CMusicPlayer(const CMusicPlayer&) = delete;
    CMusicPlayer& operator=(const CMusicPlayer&) = delete;

    // The path of the last piece that started.
    CXString getFileName() override;

    // A new stream of the path replaces the current one; it starts when it opened.
    void play(const CXString& path, bool loop) override;
    // Ends the current stream; the file name stays.
    void stop() override;
    bool isPlaying() override;
    // Only music that plays is held; a new piece or a stop forgets the hold.
    void pause() override;
    void resume() override;
    // Without a current stream, or with one that did not open, nothing (and volume 0).
    void setVolume(int volume) override;
    int getVolume() override;
    void setPan(int pan) override;
    void setFreq(int frequency) override;

private:
    CWindow* window_;
    std::unique_ptr<CSndStream> stream_;
    CXString fileName_;
    bool looping_ = false;
    bool paused_ = false;
};
