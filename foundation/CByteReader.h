#pragma once

#include <cstddef>
#include <cstdint>

// Little-endian fields of a file layout read from bytes in memory (big-endian ones too, for the
// few layouts that store them so). Every read is checked against the end: one that does not fit
// gives zeros (or null), leaves the cursor where it was and marks the reader failed for good, so
// a loader reads a run of fields and tests failed() once.
class CByteReader {
public:
    CByteReader(const uint8_t* data, size_t size) : data_(data), size_(data != nullptr ? size : 0) {}

    bool failed() const { return failed_; }
    size_t size() const { return size_; }
    size_t position() const { return position_; }
    size_t remaining() const { return size_ - position_; }

    uint8_t u8();
    uint16_t u16();
    int16_t s16() { return static_cast<int16_t>(u16()); }
    uint32_t u32();
    int32_t i32() { return static_cast<int32_t>(u32()); }
    // Big-endian fields.
    uint16_t u16BE();
    int16_t s16BE() { return static_cast<int16_t>(u16BE()); }
    uint32_t u32BE();
    int32_t i32BE() { return static_cast<int32_t>(u32BE()); }
    // The next `count` bytes in place, the cursor past them; null when they are not all there.
    const uint8_t* take(size_t count);
    // Takes `count` bytes from a count read in the file: a negative count fails.
    const uint8_t* take(int64_t count) { return count < 0 ? fail() : take(static_cast<size_t>(count)); }
    bool skip(size_t count) { return take(count) != nullptr; }
    // Moves the cursor back by `count` bytes; fails past the start.
    bool back(size_t count);
    // Whether the next `length` bytes are those of `text`; the cursor stays.
    bool startsWith(const char* text, size_t length) const;

private:
    const uint8_t* fail()
    {
        failed_ = true;
        return nullptr;
    }

    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
    bool failed_ = false;
};
