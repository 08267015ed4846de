#pragma once

#include "foundation/CXObject.h"
#include "sound/WAVEFORMATEX.h"

#include <memory>

class CFile;
class CWindow;

namespace platform {
class AudioBuffer;
}

// The reader behind a stream: finds the sample data of a WAVE file in a file of its own or, when
// there is none, in a member of the open data archive (read through a file of its own on the
// archive, so the refill thread moves nobody else's position), and owns the stream's sound
// buffer of 1.2 seconds. Reads never go past the "data" chunk, and stop at whole frames.
class CStreamedWAV : public CXObject {
public:
    // Keeps the format record to fill (the stream's) and opens the name.
    CStreamedWAV(CWindow* window, const CXString& name, WAVEFORMATEX* format);
    ~CStreamedWAV() override;
    CStreamedWAV(const CStreamedWAV&) = delete;
    CStreamedWAV& operator=(const CStreamedWAV&) = delete;

    // Error code 2000 when the name is found neither on disk nor in the archive. A file that is
    // found but is no WAVE file, or whose format the device cannot play, opens without a buffer.
    void Open(const CXString& name);
    // Up to n bytes of sample data from where reading stands; the number read, 0 at the end.
    int Read(int n, unsigned char* dest);
    // Back to the first sample byte.
    void StartRead();
    // Bytes of sample data read so far, and a jump to such a place (held to the data).
    int getPosition();
    void setPosition(int position);
    // Lets go of the file; the buffer stays until the reader goes.
    void Close();

    platform::AudioBuffer* getBuffer() const { return buffer_.get(); }
    int getBufferSize() const { return bufferSize_; }

private:
    void parse(int start, int end);

    CWindow* window_;
    WAVEFORMATEX* format_;
    std::unique_ptr<CFile> file_;
    std::unique_ptr<platform::AudioBuffer> buffer_;
    int bufferSize_ = 0;
    int dataStart_ = 0;
    int dataEnd_ = 0;
};
