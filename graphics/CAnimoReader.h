#pragma once

#include "graphics/CFrameHead.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CAnimo;
class CByteReader;
class CFile;
class CXString;
struct _annEventInfo3;

// Reads animation files of every generation into an animation: the old heads "PIK", "PI2" and
// "PI3" (frames only, with optional EXT, SEQ and POS chunks; three "standard" events are made),
// "PAK" (named events) and "NVP", "NV+" and "NVI" (events with per-position records: offsets,
// opacities, names, texts and sound names). Frames packed by a file's code are unpacked at once;
// run-length frames stay packed, checked to unpack whole. Frame sounds come from the installed
// frame-sound factory.
//
// Every length and count is checked against the bytes there are and every frame against its
// size: a file that is not a whole animation gives CImageReader::DAMAGED and an empty animation.
class CAnimoReader {
public:
    // The rest of the file; the animation is emptied first. 0 or DAMAGED.
    static int read(CAnimo& animation, CFile* file);
    static int read(CAnimo& animation, const uint8_t* data, size_t size);

private:
    CAnimoReader(CAnimo& animation, CByteReader& in) : animation_(animation), in_(in) {}

    bool readOld(const char* magic);
    // The EXT, SEQ and POS chunks that may follow an old head; false when one is cut short.
    bool readChunks();
    bool readPak();
    bool readThird(const char* magic);
    bool readThirdEvent();
    // A position's texts after its record, as their flags in the record say.
    bool readPositionTexts(int event, int position, const bool present[3]);
    bool readHeads(int count, CFrameHead::Layout layout);
    // The frames' data in head order; `bpp` 0 takes each old head's own format.
    bool readFrames(int code, int bpp);
    // Events 0 and 1 show every frame in order, event 2 backwards.
    void makeStandardEvents();
    // Old and "PAK" files with a window: raw frames take the display's format.
    void convertToDisplay();
    void makeSounds();
    // A text of `length` bytes, up to its first NUL.
    CXString text(int64_t length);
    // The event with the frame numbers of its positions that follow; its index, -1 when they are
    // not all there.
    int addEvent(_annEventInfo3& info, int positions);

    CAnimo& animation_;
    CByteReader& in_;
    std::vector<CFrameHead> heads_;
    CFrameHead::Layout layout_ = CFrameHead::OLD_1;
};
