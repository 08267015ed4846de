#pragma once

#include "foundation/CXObject.h"

// Random numbers of the engine: the script's RANDOM object and the other random choices. A draw
// is the tick count plus the next value of the process's generator, taken modulo the range. The
// engine makes one CXRandom at start, which seeds the generator from the calendar time; tests seed
// it themselves. Main thread only.
class CXRandom : public CXObject {
public:
    static constexpr int tableSize = 10000;

    CXRandom();

    static void seed(unsigned value);
    // 0 to n - 1; 0 when n is 0 or negative.
    static int random(int n);
    // from to from + n - 1 (wrapping like script arithmetic); from when n is 0 or negative.
    static int random(int from, int n);
    // `count` draws of random(from, n) into a static table of tableSize numbers, shared by every
    // caller and overwritten by the next call; count 0 means n - from. A count above tableSize is
    // reported on the debugger output and a negative one ignored: the table comes back unchanged.
    // With `unique`, no value repeats as long as distinct values remain; places past the n-th
    // are plain draws.
    static int* random_vector(int from, int n, int count, bool unique);

private:
    // Offset 0 to n - 1 (n > 0).
    static uint32_t drawOffset(int n);
    static void fillUnique(int from, int n, int count);
};
