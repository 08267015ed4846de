#pragma once

#include "sound/WAVEFORMATEX.h"

#include <cstdint>

class CFile;

// The chunks of a RIFF WAVE file that lies between two offsets of an open file (a file of its
// own, or one member of the data archive). Every step stays inside those bounds: a size that runs
// past the end ends the walk there, never a read outside, and the walk always moves on.
class CRiffReader {
public:
    CRiffReader(CFile* file, int start, int end);

    // Walks on from the current place to the chunk with that four-letter name, skipping other
    // chunks by their sizes (no pad byte). True with the file at the chunk's first byte and the
    // size cut to the bytes the file holds; false when the end comes first.
    bool findChunk(const char* name, uint32_t& size);
    // The head, then the "fmt " chunk into the record (its first WAVEFORMATEX::SIZE bytes at
    // most); the walk goes on after the chunk.
    bool readFormat(WAVEFORMATEX& format);
    // The current place in the file.
    int position() const { return position_; }

private:
    // "RIFF", a size and "WAVE" at the start; the walk begins after them.
    bool readHead();
    bool readAt(int offset, void* bytes, int count);

    CFile* file_;
    int start_;
    int end_;
    int position_;
};
