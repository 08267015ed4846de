#pragma once

#include "foundation/CXObject.h"
#include "sound/WAVEFORMATEX.h"

#include <atomic>
#include <cstdint>
#include <memory>

class CStreamedWAV;
class CWindow;

namespace platform {
class AudioBuffer;
}

// Plays a WAVE file of any length through a looping buffer of 1.2 seconds that a timer of the
// process's timer service refills every 50 ms with what has played since the last time: the
// window's music and the streamed frame sounds of animations. A looping stream goes on from the
// start of the data without a gap and posts each loop (CMusicLoopLink), which the scripts see in
// the next engine turn; one that does not loop ends with silence and stops counting as playing
// once the last byte of its data has played.
//
// The refill runs on the timer thread; everything else on the main thread, which stops the timer
// (waiting for a refill under way) before it touches what the refill uses.
class CSndStream : public CXObject {
public:
    static constexpr uint32_t REFILL_MS = 50;

    explicit CSndStream(CWindow* window);
    CSndStream(CWindow* window, const CXString& path);
    ~CSndStream() override;
    CSndStream(const CSndStream&) = delete;
    CSndStream& operator=(const CSndStream&) = delete;

    // Opens the file and fills the buffer; false, with the reader's error code (2000 when the file
    // is found nowhere), when it is not found. A file found but not playable opens silent.
    bool Open(const CXString& path);
    // From the start of the buffer, looping over the data when asked.
    void Play(bool loop);
    void Pause();
    void Stop();
    // Plays on from two buffers before where reading had got to, looping only when asked (the
    // music loops on after a pause).
    void Resume(bool loop = false);
    void Close();
    // Playing and not yet at the end.
    bool IsPlaying() const;

    // Only with a buffer; a stream without one answers volume 0.
    void setVolume(int volume);
    void setPan(int pan);
    void setFreq(int frequency);
    int getVolume() const;

private:
    void initialFill();
    // Goes on after a short first fill: the data again and again when looping, else silence.
    void continueShortFill();
    void refill();
    // Fills one locked piece from the reader, looping or padding with silence; the bytes of data.
    uint32_t fillPiece(uint8_t* piece, uint32_t bytes);
    void fillSilence(uint8_t* piece, uint32_t bytes) const;
    void stopTimer();
    void stopBuffer();

    CWindow* window_;
    std::unique_ptr<CStreamedWAV> reader_;
    platform::AudioBuffer* buffer_ = nullptr;
    WAVEFORMATEX format_;
    bool opened_ = false;
    bool playing_ = false;
    bool looped_ = false;
    uint32_t timerId_ = 0;
    std::atomic<bool> donePlaying_{false};
    bool foundEnd_ = false;
    int bufferSize_ = 0;
    int bytesRemaining_ = 0;
    int nextWriteOffset_ = 0;
    // Bytes of data the first fill found, when the data ended inside the buffer.
    bool shortFill_ = false;
    int shortFillBytes_ = 0;
};
