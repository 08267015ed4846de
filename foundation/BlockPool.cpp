#include "foundation/BlockPool.h"

#include <algorithm>
#include <cstddef>

#include <sanitizer/asan_interface.h>

namespace foundation {

namespace {

// About 16 kB a slab: few enough allocator calls, little held by a pool that serves few objects.
const size_t kSlabBytes = 16 * 1024;

size_t roundedBlockSize(size_t size)
{
    const size_t alignment = alignof(std::max_align_t);
    return (std::max(size, sizeof(void*)) + alignment - 1) / alignment * alignment;
}

} // namespace

BlockPool::BlockPool(size_t blockSize) : blockSize_(roundedBlockSize(blockSize)) {}

BlockPool::~BlockPool()
{
    for (const auto& slab : slabs_)
        ASAN_UNPOISON_MEMORY_REGION(slab.get(), kSlabBytes);
}

void* BlockPool::take()
{
    if (free_ == nullptr)
        addSlab();
    FreeBlock* block = free_;
    ASAN_UNPOISON_MEMORY_REGION(block, blockSize_);
    free_ = block->next;
    return block;
}

void BlockPool::give(void* block)
{
    auto* freed = static_cast<FreeBlock*>(block);
    freed->next = free_;
    free_ = freed;
    // A block given back reads as freed memory to the address sanitizer until it is taken again.
    ASAN_POISON_MEMORY_REGION(block, blockSize_);
}

void BlockPool::addSlab()
{
    slabs_.push_back(std::make_unique_for_overwrite<std::byte[]>(kSlabBytes));
    std::byte* slab = slabs_.back().get();
    for (size_t at = 0; at + blockSize_ <= kSlabBytes; at += blockSize_)
        give(slab + at);
}

} // namespace foundation
