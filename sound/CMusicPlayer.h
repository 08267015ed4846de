#pragma once

#include "foundation/CXObject.h"

#include <memory>

class CSndStream;
class CWindow;

// The one background-music stream of a window. A piece that cannot be opened stays the current
// stream, silent.
class CMusicPlayer : public CXObject {
public:
    explicit CMusicPlayer(CWindow* window);
    ~CMusicPlayer() override;
    CMusicPlayer(const CMusicPlayer&) = delete;
    CMusicPlayer& operator=(const CMusicPlayer&) = delete;

    // The path of the last piece that started.
    virtual CXString getFileName() const;

    // A new stream of the path replaces the current one; it starts when it opened.
    void play(const CXString& path, bool loop);
    // Ends the current stream; the file name stays.
    void stop();
    bool isPlaying() const;
    // Without a current stream, or with one that did not open, nothing (and volume 0).
    void setVolume(int volume);
    int getVolume() const;
    void setPan(int pan);
    void setFreq(int frequency);

private:
    CWindow* window_;
    std::unique_ptr<CSndStream> stream_;
    CXString fileName_;
};
