#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// Bytes collected in a growing list of fixed-size chunks.
class CMemStorage {
public:
    static constexpr int DEFAULT_CHUNK_SIZE = 102400;

    // A chunk size below 1 (-1 by default) means DEFAULT_CHUNK_SIZE. Starts with one empty chunk.
    explicit CMemStorage(int chunkSize = -1);
    virtual ~CMemStorage();
    CMemStorage(const CMemStorage&) = delete;
    CMemStorage& operator=(const CMemStorage&) = delete;

    // Appends the bytes after the last chunk's used part, starting a new chunk first when they
    // do not fit. More than a chunk's worth is split over as many chunks as it takes. Ignored for
    // a negative length or when the total would pass 2 GB.
    void put(const void* bytes, int length);
    // Copies every chunk's used part, in order, to target, which must hold getTotalSize() bytes.
    void copy(void* target) const;

    // The chunk and its used byte count; null and 0 outside [0, getChunkCount()).
    uint8_t* getBuffer(int index) const;
    int getDataSize(int index) const;
    int getChunkCount() const { return static_cast<int>(chunks_.size()); }
    int getTotalSize() const { return total_; }

private:
    void putInChunk(const uint8_t* bytes, int length);

    int chunkSize_;
    std::vector<std::unique_ptr<uint8_t[]>> chunks_;
    std::vector<int> used_;
    int total_;
};
