#include "foundation/BlockPool.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

// Enough blocks to need several slabs: every block is distinct, aligned and whole.
TEST(BlockPoolTest, BlocksAreDistinctAlignedAndWholeOverManySlabs)
{
    const size_t blockSize = 152;
    foundation::BlockPool pool(blockSize);
    std::vector<void*> blocks;
    for (int i = 0; i < 1000; ++i) {
        blocks.push_back(pool.take());
        ASSERT_EQ(reinterpret_cast<uintptr_t>(blocks.back()) % alignof(std::max_align_t), 0u);
        std::memset(blocks.back(), i & 0xFF, blockSize);
    }
    for (size_t i = 0; i < blocks.size(); ++i)
        ASSERT_EQ(static_cast<unsigned char*>(blocks[i])[blockSize - 1], i & 0xFF) << "block " << i << " overlaps another";
    EXPECT_EQ(std::set<void*>(blocks.begin(), blocks.end()).size(), blocks.size());
    for (void* block : blocks)
        pool.give(block);
}

TEST(BlockPoolTest, GivenBlocksAreTakenAgainBeforeNewOnes)
{
    foundation::BlockPool pool(8);
    void* first = pool.take();
    void* second = pool.take();
    pool.give(first);
    pool.give(second);
    EXPECT_EQ(pool.take(), second);
    EXPECT_EQ(pool.take(), first);
}

} // namespace
