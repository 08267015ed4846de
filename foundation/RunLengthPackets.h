#pragma once

#include "foundation/ShortRuns.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

// The packet loop both run-length codecs share. A packet is a control byte and its payload: one
// element repeated, or that many elements as they are. `Format` reads the control byte:
//   static bool repeats(uint8_t control);
//   static size_t count(uint8_t control);          // elements the packet gives
//   static constexpr bool kCutsAtEnd;              // a packet past the output is cut, not refused
namespace foundation {

namespace runlength {

// Packets while both buffers have room for a whole block past the position: they move fixed-size
// blocks with no length-dependent copy and no bounds to cut at. Packets start before `inLast`:
// where that stops holding, or the end of the packets if that comes first. The last may still run
// past the end of the packets (into bytes that are there), which the caller then refuses.
template <size_t Width, typename Format>
void unpackWithRoom(const uint8_t*& in, const uint8_t* inLast, uint8_t*& out, uint8_t* outLast)
{
    constexpr size_t kBlock = kShortRunBlock * Width;
    while (out <= outLast && in < inLast) {
        const uint8_t control = *in;
        const uint8_t* payload = in + 1;
        // Runs first: short packets, whose overhead counts most, are mostly runs. Each branch
        // counts its own bytes: knowing the kind lets the count fold to fewer steps.
        if (Format::repeats(control)) [[likely]] {
            const size_t bytes = Format::count(control) * Width;
            if constexpr (Width == 1)
                fillShortRun(out, *payload, bytes, kBlock);
            else
                fillShortPairs(out, payload, bytes / 2, kBlock);
            in = payload + Width;
            out += bytes;
        } else {
            const size_t bytes = Format::count(control) * Width;
            copyShortRun(out, payload, bytes, kBlock, kBlock);
            in = payload + bytes;
            out += bytes;
        }
    }
}

// One packet at in, within bounds that may cut it; false when its payload passes `end`, or when it
// passes the output's end in a format that does not cut.
template <size_t Width, typename Format>
bool unpackCarefully(const uint8_t*& in, const uint8_t* end, const uint8_t* packedEnd, uint8_t*& out, uint8_t* outEnd)
{
    const uint8_t control = *in;
    const uint8_t* payload = in + 1;
    const size_t bytes = Format::count(control) * Width;
    const size_t payloadBytes = Format::repeats(control) ? Width : bytes;
    const size_t room = size_t(outEnd - out);
    if (size_t(end - payload) < payloadBytes || (!Format::kCutsAtEnd && bytes > room))
        return false;
    const size_t take = bytes < room ? bytes : room;
    if (!Format::repeats(control)) {
        copyShortRun(out, payload, take, room, size_t(packedEnd - payload));
    } else if constexpr (Width == 1) {
        fillShortRun(out, *payload, take, room);
    } else {
        fillShortPairs(out, payload, take / 2, room);
        // A run cut at the output's end may end on the element's first byte.
        if (take % 2 != 0)
            out[take - 1] = *payload;
    }
    in = payload + payloadBytes;
    out += take;
    return true;
}

} // namespace runlength

// Expands the packets of packed[in, end) into out[produced, total) until either is used up; false
// when a packet is cut short by `end` or refused by the format. The packed data holds `packedSize`
// bytes in all: blocks may read past `end` up to there.
template <size_t Width, typename Format>
bool unpackRunLengthPackets(const uint8_t* packed, size_t packedSize, size_t& in, size_t end, uint8_t* out, size_t& produced, size_t total)
{
    constexpr size_t kBlock = kShortRunBlock * Width;
    const uint8_t* from = packed + in;
    const uint8_t* fromEnd = packed + end;
    const uint8_t* fromLast = packedSize - in > kBlock ? std::min(packed + (packedSize - kBlock), fromEnd) : from;
    uint8_t* to = out + produced;
    uint8_t* toEnd = out + total;
    uint8_t* toLast = total - produced >= kBlock ? out + (total - kBlock) : nullptr;
    bool ok = true;
    while (ok && from < fromEnd && to < toEnd) {
        if (toLast != nullptr)
            runlength::unpackWithRoom<Width, Format>(from, fromLast, to, toLast);
        if (from > fromEnd)
            ok = false;
        else if (from < fromEnd && to < toEnd)
            ok = runlength::unpackCarefully<Width, Format>(from, fromEnd, packed + packedSize, to, toEnd);
    }
    in = size_t(from - packed);
    produced = size_t(to - out);
    return ok;
}

} // namespace foundation
