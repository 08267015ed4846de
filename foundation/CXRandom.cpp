#include "foundation/CXRandom.h"

#include "platform/Clock.h"
#include "platform/DebugOutput.h"

#include <ctime>
#include <unordered_set>

namespace {

int table[CXRandom::tableSize];
uint64_t generatorState = 1;

// 64-bit linear congruential generator; the high bits are the well-mixed ones.
uint32_t nextValue()
{
    generatorState = generatorState * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(generatorState >> 33);
}

int offsetFrom(int from, uint32_t offset)
{
    return static_cast<int>(static_cast<uint32_t>(from) + offset);
}

} // namespace

CXRandom::CXRandom()
{
    seed(static_cast<unsigned>(std::time(nullptr)));
}

void CXRandom::seed(unsigned value)
{
    generatorState = value;
}

uint32_t CXRandom::drawOffset(int n)
{
    return (platform::clock().tickMs() + nextValue()) % static_cast<uint32_t>(n);
}

int CXRandom::random(int n)
{
    return n > 0 ? static_cast<int>(drawOffset(n)) : 0;
}

int CXRandom::random(int from, int n)
{
    return n > 0 ? offsetFrom(from, drawOffset(n)) : from;
}

int* CXRandom::random_vector(int from, int n, int count, bool unique)
{
    int64_t places = count != 0 ? count : int64_t{n} - from;
    if (places > tableSize) {
        platform::debugOutput().write("Arguments error: Random::getPlenty( )\n");
        return table;
    }
    if (places < 0)
        return table;
    if (unique) {
        fillUnique(from, n, static_cast<int>(places));
    } else {
        for (int i = 0; i < places; ++i)
            table[i] = random(from, n);
    }
    return table;
}

void CXRandom::fillUnique(int from, int n, int count)
{
    // A range of n <= 0 has the single value `from`.
    int64_t distinct = n > 0 ? n : 1;
    std::unordered_set<uint32_t> taken;
    for (int i = 0; i < count; ++i) {
        if (i >= distinct) {
            table[i] = random(from, n);
            continue;
        }
        uint32_t offset = n > 0 ? drawOffset(n) : 0;
        // Redraw a few times, then take the next free offset: the clock may stand still and the
        // generator may not reach every offset of a large range, and the loop must end.
        for (int tries = 0; taken.count(offset) != 0 && tries < 32; ++tries)
            offset = drawOffset(n);
        while (taken.count(offset) != 0)
            offset = (offset + 1) % static_cast<uint32_t>(n);
        taken.insert(offset);
        table[i] = offsetFrom(from, offset);
    }
}
