#pragma once

#include <cstdint>

// Little-endian fields of file layouts, read and written byte by byte so that neither alignment
// nor the host's byte order matters. Callers check that the bytes are there.
namespace foundation {

inline uint16_t loadLE16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

inline uint32_t loadLE32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8
        | static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

inline void storeLE16(uint8_t* bytes, uint16_t value)
{
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

inline void storeLE32(uint8_t* bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint64_t loadLE64(const uint8_t* bytes)
{
    return loadLE32(bytes) | static_cast<uint64_t>(loadLE32(bytes + 4)) << 32;
}

inline void storeLE64(uint8_t* bytes, uint64_t value)
{
    storeLE32(bytes, static_cast<uint32_t>(value));
    storeLE32(bytes + 4, static_cast<uint32_t>(value >> 32));
}

} // namespace foundation
