#include "foundation/CDataBuffer.h"
#include "foundation/CDataBuffer2Dim.h"
#include "foundation/CFile.h"
#include "foundation/CMemStorage.h"
#include "foundation/CMemStream.h"

#include "GameTree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

int64_t cursorOffset(const CDataBuffer& buffer)
{
    return buffer.getCursor() - buffer.getData();
}

TEST(CDataBuffer, CursorMovesByElements)
{
    CDataBuffer buffer(4, 3);
    EXPECT_EQ(buffer.getMemoryUsage(), 12);
    buffer += 2;
    EXPECT_EQ(cursorOffset(buffer), 6);
    ++buffer;
    EXPECT_EQ(cursorOffset(buffer), 9);
    --buffer;
    buffer -= 1;
    EXPECT_EQ(cursorOffset(buffer), 3);
    buffer.start();
    EXPECT_EQ(cursorOffset(buffer), 0);
}

TEST(CDataBuffer, CursorStopsAtTheEndsOfTheBlock)
{
    CDataBuffer buffer(4, 3);
    buffer -= 1;
    EXPECT_EQ(cursorOffset(buffer), 0);
    buffer += 1000;
    EXPECT_EQ(buffer.getCursor(), buffer.getEnd());
    buffer += INT32_MAX;
    ++buffer;
    EXPECT_EQ(buffer.getCursor(), buffer.getEnd());
    buffer -= INT32_MIN;
    EXPECT_EQ(buffer.getCursor(), buffer.getEnd());
    buffer += INT32_MIN;
    EXPECT_EQ(cursorOffset(buffer), 0);
}

TEST(CDataBuffer, BackupAndRestore)
{
    const uint8_t original[4] = {1, 2, 3, 4};
    CDataBuffer buffer(original, 2, 2);
    buffer.restore(false); // no backup yet: nothing happens
    buffer.backup();
    buffer.zero();
    buffer.restore(false);
    EXPECT_EQ(std::memcmp(buffer.getData(), original, 4), 0);
    ASSERT_NE(buffer.getBackup(), nullptr);
    buffer.getData()[0] = 9;
    buffer.restore(true);
    EXPECT_EQ(buffer.getData()[0], 1);
    EXPECT_EQ(buffer.getBackup(), nullptr);
}

TEST(CDataBuffer, CloneCopiesDataBackupAndCursor)
{
    const uint8_t original[6] = {1, 2, 3, 4, 5, 6};
    CDataBuffer buffer(original, 3, 2);
    buffer.backup();
    buffer.getData()[0] = 7;
    buffer += 2;
    std::unique_ptr<CDataBuffer> copy(buffer.clone());
    EXPECT_NE(copy->getData(), buffer.getData());
    EXPECT_EQ(std::memcmp(copy->getData(), buffer.getData(), 6), 0);
    EXPECT_EQ(std::memcmp(copy->getBackup(), original, 6), 0);
    EXPECT_EQ(cursorOffset(*copy), 4);
}

TEST(CDataBuffer, FlushAndImpossibleSizesLeaveAnEmptyBuffer)
{
    CDataBuffer buffer(4, 4);
    buffer.backup();
    buffer.flush();
    EXPECT_EQ(buffer.getData(), nullptr);
    EXPECT_EQ(buffer.getBackup(), nullptr);
    EXPECT_EQ(buffer.getMemoryUsage(), 0);
    buffer += 3;
    buffer.zero();
    buffer.backup();
    std::unique_ptr<CDataBuffer> copy(buffer.clone());
    EXPECT_EQ(copy->getData(), nullptr);

    for (auto [count, size] : {std::pair{-1, 4}, {4, -1}, {INT32_MAX, INT32_MAX}}) {
        CDataBuffer bad(nullptr, count, size);
        EXPECT_EQ(bad.getData(), nullptr);
        EXPECT_EQ(bad.getMemoryUsage(), 0);
        EXPECT_EQ(bad.LastError(), CDataBuffer::NO_MEMORY);
    }
}

TEST(CDataBuffer2Dim, RowsAndColumns)
{
    CDataBuffer2Dim buffer(CXSize(10, 4), 2);
    EXPECT_EQ(buffer.getWidth(), 10);
    EXPECT_EQ(buffer.getHeight(), 4);
    EXPECT_EQ(buffer.getMemoryUsage(), 80);
    buffer.at(3, 2);
    EXPECT_EQ(cursorOffset(buffer), 23 * 2);
    buffer.nextLine();
    EXPECT_EQ(cursorOffset(buffer), 33 * 2);
    buffer.nextLine();
    EXPECT_EQ(buffer.getCursor(), buffer.getEnd());
    buffer.at(3, 0);
    buffer.prevLine();
    EXPECT_EQ(cursorOffset(buffer), 0);
    buffer.at(5, 1000000);
    EXPECT_EQ(buffer.getCursor(), buffer.getEnd());

    buffer.at(1, 1);
    std::unique_ptr<CDataBuffer2Dim> copy(buffer.clone());
    EXPECT_EQ(copy->getWidth(), 10);
    EXPECT_EQ(copy->getHeight(), 4);
    EXPECT_EQ(cursorOffset(*copy), 11 * 2);

    CDataBuffer2Dim negative(CXSize(-10, -4), 1);
    EXPECT_EQ(negative.getData(), nullptr);
}

TEST(CMemStorage, ChunksFillInOrder)
{
    CMemStorage storage(10);
    const std::string first = "abcdef", second = "ghijkl";
    storage.put(first.data(), 6);
    storage.put(second.data(), 6);
    ASSERT_EQ(storage.getChunkCount(), 2);
    EXPECT_EQ(storage.getDataSize(0), 6);
    EXPECT_EQ(storage.getDataSize(1), 6);
    EXPECT_EQ(storage.getTotalSize(), 12);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(storage.getBuffer(1)), 6), second);
    EXPECT_EQ(storage.getBuffer(2), nullptr);
    EXPECT_EQ(storage.getDataSize(-1), 0);

    // More than a chunk is split over new chunks.
    const std::string big = "0123456789012345678901234";
    storage.put(big.data(), int(big.size()));
    EXPECT_EQ(storage.getTotalSize(), 37);
    std::string all(size_t(storage.getTotalSize()), '\0');
    storage.copy(all.data());
    EXPECT_EQ(all, first + second + big);
    storage.put(big.data(), -5);
    EXPECT_EQ(storage.getTotalSize(), 37);
}

TEST(CMemStorage, DefaultChunkSize)
{
    CMemStorage storage;
    std::vector<uint8_t> bytes(CMemStorage::DEFAULT_CHUNK_SIZE, 7);
    storage.put(bytes.data(), int(bytes.size()));
    EXPECT_EQ(storage.getChunkCount(), 1);
    storage.put(bytes.data(), 1);
    EXPECT_EQ(storage.getChunkCount(), 2);
}

class CMemStreamTest : public GameTree {
protected:
    std::unique_ptr<CMemStream> streamOf(const std::string& bytes)
    {
        put("hdd/Game/stream.bin", bytes);
        CFile file(nullptr, "stream.bin", CFile::READ | CFile::BINARY);
        EXPECT_EQ(file.LastError(), 0);
        return std::make_unique<CMemStream>(&file);
    }
};

TEST_F(CMemStreamTest, BitsThenWholeBytes)
{
    auto stream = streamOf("\xA5\x01\x02");
    EXPECT_EQ(stream->getSize(), 3);
    EXPECT_EQ(stream->get_bits(4), 10u);
    EXPECT_EQ(stream->get_char(), 1);
    EXPECT_EQ(stream->get_bit(), 0);
    EXPECT_EQ(stream->get_bits(7), 2u);
}

TEST_F(CMemStreamTest, SignedBits)
{
    auto stream = streamOf("\xC0\x7F\xFF\xFF\xFF\xFF");
    EXPECT_EQ(stream->get_signed_bits(3), -2);
    EXPECT_EQ(stream->get_signed_bits(0), 0);
    stream->move(0);
    EXPECT_EQ(stream->get_signed_bits(8), 127);
    EXPECT_EQ(stream->get_signed_bits(32), -1);
}

TEST_F(CMemStreamTest, LittleEndianNumbersWithoutAlignment)
{
    auto stream = streamOf(std::string("\x01\x34\x12\x78\x56\x34\x12\xAA\xBB", 9));
    EXPECT_EQ(stream->get_char(), 1);
    EXPECT_EQ(stream->get_shortint(), 0x1234);
    EXPECT_EQ(stream->get_int(), 0x12345678);
    char two[2];
    stream->get_bytes(two, 2);
    EXPECT_EQ(two[1], char(0xBB));
    stream->move(-4);
    EXPECT_EQ(stream->get_char(), 0x34);
}

TEST_F(CMemStreamTest, ReadsPastTheEndGiveZeros)
{
    auto stream = streamOf("\xFF\x01");
    stream->move(1);
    EXPECT_EQ(stream->get_int(), 1);
    EXPECT_EQ(stream->get_bit(), 0);
    EXPECT_EQ(stream->get_shortint(), 0);
    char bytes[3] = {9, 9, 9};
    stream->get_bytes(bytes, 3);
    EXPECT_EQ(std::string(bytes, 3), std::string(3, '\0'));
    stream->move(-100);
    EXPECT_EQ(stream->get_char(), char(0xFF));
    stream->move(INT32_MAX);
    EXPECT_EQ(stream->get_char(), 0);

    CFile missing(nullptr, "missing.bin", CFile::READ | CFile::BINARY);
    CMemStream empty(&missing);
    EXPECT_EQ(empty.getSize(), 0);
    EXPECT_EQ(empty.get_int(), 0);
}

} // namespace
