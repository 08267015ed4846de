#pragma once

// The scale of the volume and panning values scripts give SOUND and SEQUENCE objects, as the
// sound buffers take them (hundredths of a decibel, -10000 to 10000).
class CScriptSoundScale {
public:
    // 0 (silent) to 800 (full): 4 x (v - 800); silence from -3100 down, full volume above 800.
    static int volume(int value);
    // Centre 400: 2 x (v - 400); full left or right from 3100 away from the centre.
    static int panning(int value);
};
