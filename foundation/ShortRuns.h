#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Fills and copies of the short runs run-length packets give (at most 127 elements). A copy of a
// length known only at run time becomes a call or a `rep` sequence costing more than the few
// bytes it moves; where the buffers have room, whole 16-byte blocks are moved instead, and
// whatever they write past the run is overwritten by the packets that follow.
namespace foundation {

// The longest run the block moves take, and the room they need past the position in both buffers:
// runs of up to 129 bytes round up to nine blocks of 16.
constexpr size_t kShortRunBlock = 144;

namespace shortruns {

#if defined(__SSE2__)
using Block = __m128i;
inline Block load(const uint8_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }
inline void store(uint8_t* at, Block block) { _mm_storeu_si128(reinterpret_cast<__m128i*>(at), block); }
inline Block repeated(uint8_t value)
{
    // One multiply and one shuffle: fewer steps than the generic byte broadcast of SSE2.
    return _mm_shuffle_epi32(_mm_cvtsi32_si128(static_cast<int>(value * 0x01010101u)), 0);
}
inline Block repeatedPair(uint16_t pair) { return _mm_set1_epi16(static_cast<short>(pair)); }
#else
struct Block {
    uint64_t low, high;
};
inline Block load(const uint8_t* at)
{
    Block block;
    std::memcpy(&block, at, sizeof block);
    return block;
}
inline void store(uint8_t* at, Block block) { std::memcpy(at, &block, sizeof block); }
inline Block repeated(uint8_t value) { return Block{value * 0x0101010101010101ull, value * 0x0101010101010101ull}; }
inline Block repeatedPair(uint16_t pair) { return Block{pair * 0x0001000100010001ull, pair * 0x0001000100010001ull}; }
#endif

constexpr size_t kBlockBytes = 16;

// The first block goes out whatever the count: most runs fit in it.
inline void storeRepeated(uint8_t* out, Block block, size_t count)
{
    store(out, block);
    for (size_t k = kBlockBytes; k < count; k += kBlockBytes)
        store(out + k, block);
}

} // namespace shortruns

// `count` bytes of `value` at out; `room` is how many bytes the buffer has from out on.
inline void fillShortRun(uint8_t* out, uint8_t value, size_t count, size_t room)
{
    if (count <= kShortRunBlock && room >= kShortRunBlock)
        shortruns::storeRepeated(out, shortruns::repeated(value), count);
    else
        std::memset(out, value, count);
}

// `count` bytes from in to out; `outRoom` and `inRoom` are the bytes each buffer has from there on.
inline void copyShortRun(uint8_t* out, const uint8_t* in, size_t count, size_t outRoom, size_t inRoom)
{
    if (count <= kShortRunBlock && outRoom >= kShortRunBlock && inRoom >= kShortRunBlock) {
        shortruns::store(out, shortruns::load(in));
        for (size_t k = shortruns::kBlockBytes; k < count; k += shortruns::kBlockBytes)
            shortruns::store(out + k, shortruns::load(in + k));
    } else {
        std::memcpy(out, in, count);
    }
}

// `count` copies of the two bytes at pair, at out; `room` as for fillShortRun.
inline void fillShortPairs(uint8_t* out, const uint8_t* pair, size_t count, size_t room)
{
    if (count <= kShortRunBlock && room >= 2 * kShortRunBlock) {
        uint16_t element;
        std::memcpy(&element, pair, 2);
        shortruns::storeRepeated(out, shortruns::repeatedPair(element), 2 * count);
        return;
    }
    for (size_t k = 0; k < count; ++k)
        std::memcpy(out + 2 * k, pair, 2);
}

} // namespace foundation
