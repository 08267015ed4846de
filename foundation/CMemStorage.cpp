#include "foundation/CMemStorage.h"

#include <algorithm>
#include <cstring>

CMemStorage::CMemStorage(int chunkSize) : chunkSize_(chunkSize > 0 ? chunkSize : DEFAULT_CHUNK_SIZE), total_(0)
{
    chunks_.push_back(std::make_unique_for_overwrite<uint8_t[]>(size_t(chunkSize_)));
    used_.push_back(0);
}

CMemStorage::~CMemStorage() = default;

void CMemStorage::put(const void* bytes, int length)
{
    if (length <= 0 || bytes == nullptr || length > INT32_MAX - total_)
        return;
    const auto* from = static_cast<const uint8_t*>(bytes);
    while (length > 0) {
        int piece = std::min(length, chunkSize_);
        putInChunk(from, piece);
        from += piece;
        length -= piece;
    }
}

void CMemStorage::putInChunk(const uint8_t* bytes, int length)
{
    if (length > chunkSize_ - used_.back()) {
        chunks_.push_back(std::make_unique_for_overwrite<uint8_t[]>(size_t(chunkSize_)));
        used_.push_back(0);
    }
    std::memcpy(chunks_.back().get() + used_.back(), bytes, size_t(length));
    used_.back() += length;
    total_ += length;
}

void CMemStorage::copy(void* target) const
{
    auto* to = static_cast<uint8_t*>(target);
    for (size_t i = 0; i < chunks_.size(); ++i) {
        if (used_[i] > 0)
            std::memcpy(to, chunks_[i].get(), size_t(used_[i]));
        to += used_[i];
    }
}

uint8_t* CMemStorage::getBuffer(int index) const
{
    return index >= 0 && index < getChunkCount() ? chunks_[size_t(index)].get() : nullptr;
}

int CMemStorage::getDataSize(int index) const
{
    return index >= 0 && index < getChunkCount() ? used_[size_t(index)] : 0;
}
