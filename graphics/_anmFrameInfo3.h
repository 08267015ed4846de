#pragma once

#include "foundation/CXString.h"

#include <cstdint>

// What one position of an animation event adds to its frame: a name and a text for scripts,
// offsets, an opacity and the name of the sound played when the position is shown. Animation
// files keep it as a 30-byte record followed by the texts it has; an empty text is one it lacks.
struct _anmFrameInfo3 {
    CXString name;
    CXString text;
    // Added to the animation's position while the position is shown.
    int16_t x = 0;
    int16_t y = 0;
    int32_t reserved12 = -1;
    // One sound file, or several separated by ";".
    CXString soundName;
    int32_t reserved20 = 0;
    // 255: the event's opacity applies.
    uint8_t opacity = 255;
    uint8_t reserved25 = 0;
};
