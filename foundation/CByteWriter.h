#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A file layout built in memory, little-endian field by field, then written in one go.
class CByteWriter {
public:
    void u8(uint8_t value) { bytes_.push_back(value); }
    void u16(uint16_t value);
    void s16(int16_t value) { u16(static_cast<uint16_t>(value)); }
    void u32(uint32_t value);
    void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
    void bytes(const void* data, size_t count);
    void zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    // The text's bytes and its terminator, in a field of `width` bytes (cut to width - 1, padded
    // with zeros).
    void text(const char* text, size_t width);

    const std::vector<uint8_t>& data() const { return bytes_; }
    size_t size() const { return bytes_.size(); }

private:
    std::vector<uint8_t> bytes_;
};
