#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class CFile;

// The rest of an open file, from its position to its end, read into memory in one go so that a
// reader of a file layout can check every field against the bytes that are there.
class CFileBytes {
public:
    // Null, or a file that is not open, gives no bytes.
    explicit CFileBytes(CFile* file);

    const uint8_t* data() const { return bytes_.get(); }
    size_t size() const { return size_; }

private:
    std::unique_ptr<uint8_t[]> bytes_;
    size_t size_ = 0;
};
