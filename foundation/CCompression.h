#pragma once

#include "foundation/CXObject.h"

#include <cstddef>
#include <cstdint>

// Base of the pixel-data codecs: the caller's bytes (never owned) and their size. Every coding
// operation of the codecs returns a new buffer (new[]) that the caller deletes with delete[], or
// null when the input is malformed.
class CCompression : public CXObject {
public:
    CCompression(const void* data = nullptr, int size = 0);

    // Replaces the data pointer; the size stays.
    virtual void setData(const void* data);
    // The size of the data given; after a decoder ran, the raw size it produced.
    virtual int GetSize() const;

    // A result buffer (new[]); null when the memory is not there.
    static uint8_t* newBuffer(size_t size);
    // A result buffer holding a copy of `size` bytes.
    static uint8_t* newCopy(const uint8_t* bytes, size_t size);

protected:
    const uint8_t* bytes() const { return static_cast<const uint8_t*>(data_); }
    // The data's size, 0 when negative or without data.
    uint32_t usableSize() const { return data_ != nullptr && size_ > 0 ? static_cast<uint32_t>(size_) : 0; }

    int size_;
    const void* data_;
};
