#pragma once

#include "foundation/CXString.h"

#include <cstdint>
#include <vector>

// One event of an animation: a named, ordered list of positions, each naming a frame, with its
// loop, frame rate, flags and opacity. Animation files keep it as a 67-byte record.
struct _annEventInfo3 {
    // The name field has room for 31 characters and the NUL.
    static constexpr int MaxNameLength = 31;

    // Flags.
    static constexpr int HideOnStop = 0x100;
    // Past the loop point play turns round and runs between loop-back position and loop point.
    static constexpr int PingPong = 0x20000;
    // While this event plays every Play is refused.
    static constexpr int RefusePlay = 0x40000;
    // Stopping leaves the frame sound playing.
    static constexpr int KeepSoundOnStop = 0x80000;
    // Past the loop point, loop only while the frame sound still plays.
    static constexpr int LoopWhileSound = 0x100000;

    CXString getName() const { return CXString(name); }
    // Cut to MaxNameLength characters; false when it had to be cut.
    bool setName(const CXString& text);
    int positionCount() const { return static_cast<int>(frames.size()); }

    // NUL-terminated.
    char name[MaxNameLength + 1] = {};
    // The frame number of each position; at most 65535 positions.
    std::vector<uint16_t> frames;
    // Where a loop goes back to.
    uint16_t loopBack = 0;
    // 0: no loop; otherwise the position after which play returns to the loop-back position.
    uint16_t loopPoint = 0;
    // 0: endless.
    uint16_t loopCount = 0;
    // Loops made so far; Play starts it again.
    uint16_t loopCounter = 0;
    // Frames per second; 0 means 15.
    int32_t fps = 0;
    int32_t flags = 0;
    // 255 opaque.
    uint8_t opacity = 255;
    uint8_t reserved55[2] = {};
    uint8_t reserved57 = 0;
    uint8_t reserved58 = 0;
};
