#include "foundation/CCompression.h"

#include <cstring>
#include <new>

CCompression::CCompression(const void* data, int size) : size_(size), data_(data)
{
}

void CCompression::setData(const void* data)
{
    data_ = data;
}

int CCompression::GetSize() const
{
    return size_;
}

uint8_t* CCompression::newBuffer(size_t size)
{
    // new[] of 0 still gives a distinct pointer, so an empty result is not mistaken for a failure.
    return new (std::nothrow) uint8_t[size];
}

uint8_t* CCompression::newCopy(const uint8_t* bytes, size_t size)
{
    uint8_t* copy = newBuffer(size);
    if (copy != nullptr && size > 0)
        std::memcpy(copy, bytes, size);
    return copy;
}
