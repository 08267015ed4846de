#include "foundation/CByteReader.h"

#include "foundation/LittleEndian.h"

#include <cstring>

const uint8_t* CByteReader::take(size_t count)
{
    if (failed_ || count > remaining())
        return fail();
    const uint8_t* at = data_ + position_;
    position_ += count;
    return at;
}

uint8_t CByteReader::u8()
{
    const uint8_t* at = take(size_t(1));
    return at != nullptr ? *at : 0;
}

uint16_t CByteReader::u16()
{
    const uint8_t* at = take(size_t(2));
    return at != nullptr ? foundation::loadLE16(at) : 0;
}

uint32_t CByteReader::u32()
{
    const uint8_t* at = take(size_t(4));
    return at != nullptr ? foundation::loadLE32(at) : 0;
}

uint16_t CByteReader::u16BE()
{
    const uint8_t* at = take(size_t(2));
    return at != nullptr ? static_cast<uint16_t>(at[0] << 8 | at[1]) : 0;
}

uint32_t CByteReader::u32BE()
{
    const uint8_t* at = take(size_t(4));
    return at != nullptr ? uint32_t(at[0]) << 24 | uint32_t(at[1]) << 16 | uint32_t(at[2]) << 8 | at[3] : 0;
}

bool CByteReader::back(size_t count)
{
    if (failed_ || count > position_) {
        fail();
        return false;
    }
    position_ -= count;
    return true;
}

bool CByteReader::startsWith(const char* text, size_t length) const
{
    return !failed_ && length <= remaining() && std::memcmp(data_ + position_, text, length) == 0;
}
