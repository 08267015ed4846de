#pragma once

#include "sound/WAVEFORMATEX.h"

#include <memory>

class CDataBuffer;
class CFile;

// Turns a RIFF WAVE file into one block of PCM bytes and the format that describes them, which a
// sound copies whole into its buffer. The codec is chosen by the format tag of the file's "fmt "
// chunk: 1 plain PCM, 2 the outside decoder. One codec object per tag serves every load, one load
// at a time, on the main thread.
class CSoundCodec {
public:
    virtual ~CSoundCodec();

    // Drops the decoded data.
    virtual void flush();
    // Replaces data and format with those of the file, open for reading at its first byte. No data
    // (getData() null) when the file cannot be decoded.
    virtual void decode(CFile* file) = 0;
    virtual const WAVEFORMATEX& getDesc() const { return format_; }
    CDataBuffer* getData() const { return data_.get(); }

    // The table of codecs by format tag: made by the engine host at its start, ended at its end.
    static void init_codecs();
    static void done_codecs();
    // The codec of a format tag; null for tags without one, or when the table is not made.
    static CSoundCodec* getCodec(int tag);

    // The most bytes a decoded sound may take: the largest sound buffer.
    static constexpr int MAX_BYTES = 0x0FFFFFFF;

protected:
    CSoundCodec();

    std::unique_ptr<CDataBuffer> data_;
    WAVEFORMATEX format_;

private:
    static constexpr int TAGS = 3;
    static CSoundCodec** codecs;
};
