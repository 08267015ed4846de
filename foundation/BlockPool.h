#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace foundation {

// Blocks of one size for objects that are made and deleted by the thousand (the properties of
// every scene read): a block given back goes onto a free list and is taken again, so reading
// the next scene calls the allocator only when it needs more blocks than any scene before.
// Blocks live in slabs kept for the life of the pool. Main thread only.
class BlockPool {
public:
    // Blocks of at least `blockSize` bytes, aligned for any object.
    explicit BlockPool(size_t blockSize);
    ~BlockPool();
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    void* take();
    // A block this pool handed out; it must not be used again until taken anew.
    void give(void* block);

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    void addSlab();

    size_t blockSize_;
    FreeBlock* free_ = nullptr;
    std::vector<std::unique_ptr<std::byte[]>> slabs_;
};

} // namespace foundation
