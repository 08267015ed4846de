#include "foundation/CByteWriter.h"

#include "foundation/LittleEndian.h"

#include <algorithm>
#include <cstring>

void CByteWriter::u16(uint16_t value)
{
    uint8_t field[2];
    foundation::storeLE16(field, value);
    bytes(field, sizeof field);
}

void CByteWriter::u32(uint32_t value)
{
    uint8_t field[4];
    foundation::storeLE32(field, value);
    bytes(field, sizeof field);
}

void CByteWriter::bytes(const void* data, size_t count)
{
    const uint8_t* first = static_cast<const uint8_t*>(data);
    if (count > 0)
        bytes_.insert(bytes_.end(), first, first + count);
}

void CByteWriter::text(const char* text, size_t width)
{
    if (width == 0)
        return;
    size_t length = std::min(std::strlen(text), width - 1);
    bytes(text, length);
    zeros(width - length);
}
