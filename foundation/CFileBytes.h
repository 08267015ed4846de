#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CFile;

// The rest of an open file, from its position to its end, read into memory in one go so that a
// reader of a file layout can check every field against the bytes that are there.
class CFileBytes {
public:
    // Null, or a file that is not open, gives no bytes.
    explicit CFileBytes(CFile* file);

    const uint8_t* data() const { return bytes_.data(); }
    size_t size() const { return bytes_.size(); }

private:
    std::vector<uint8_t> bytes_;
};
