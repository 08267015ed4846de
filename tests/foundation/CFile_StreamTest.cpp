#include "foundation/CFile_Stream.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(CFile_Stream, ReadsWhatRemainsAndStopsAtTheEnd)
{
    char bytes[] = "0123456789";
    CFile_Stream stream(bytes, 10);
    EXPECT_EQ(stream.Length(), 10);
    EXPECT_EQ(stream.GetHandle(), nullptr);
    EXPECT_EQ(stream.Seek(6, 0), 6);
    char buffer[8] = {};
    EXPECT_FALSE(stream.eof());
    EXPECT_EQ(stream.Read(buffer, 8), 4);
    EXPECT_EQ(std::memcmp(buffer, "6789", 4), 0);
    EXPECT_EQ(stream.Tell(), 10);
    EXPECT_TRUE(stream.eof());
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    EXPECT_EQ(stream.Read(buffer, -1), 0);
}

TEST(CFile_Stream, SeeksStayWithinTheBytes)
{
    char bytes[] = "0123456789";
    CFile_Stream stream(bytes, 10);
    const struct {
        int offset;
        int whence;
        int position;
    } steps[] = {
        {3, 0, 3}, {2, 1, 5}, {-1, 1, 4}, {99, 2, 10}, {1, 7, 10}, {-4, 0, 0}, {50, 0, 10}, {-20, 1, 0},
    };
    for (const auto& step : steps)
        EXPECT_EQ(stream.Seek(step.offset, step.whence), step.position) << step.offset << "," << step.whence;
}

TEST(CFile_Stream, HasNoLinesAndNothingToOpenOrWrite)
{
    char bytes[] = "a\nb\n";
    CFile_Stream stream(bytes, 4);
    char line[8] = "x";
    EXPECT_FALSE(stream.GetLine(line, sizeof line));
    EXPECT_EQ(stream.getLine(), "");
    EXPECT_EQ(stream.Open(nullptr, "anything.txt", CFile::READ), 0);
    EXPECT_EQ(stream.Write(bytes, 4), 0);
    stream.putLine("text");
    EXPECT_EQ(stream.Close(), 0);
    EXPECT_EQ(stream.Tell(), 0);

    CFile_Stream empty(nullptr, 5);
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_EQ(empty.Read(line, 4), 0);
    EXPECT_TRUE(empty.eof());
}

} // namespace
