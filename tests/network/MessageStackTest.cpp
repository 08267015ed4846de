#include "network/CMessageStack.h"
#include "network/CNetMessage.h"
#include "tests/network/NetworkHarness.h"

#include <gtest/gtest.h>

#include <memory>

using namespace nettest;

namespace {

std::unique_ptr<CNetMessage> next(CMessageStack& stack)
{
    return std::unique_ptr<CNetMessage>(stack.get());
}

TEST(MessageStack, AFrameComesOutOnlyOnceItsLastByteHasArrived)
{
    Bytes frame = Payload().text("GO").text("1").frame(1);
    CMessageStack stack(nullptr);
    for (size_t i = 0; i + 1 < frame.size(); ++i) {
        stack.push(&frame[i], 1);
        ASSERT_EQ(next(stack), nullptr) << "after byte " << i;
    }
    stack.push(&frame.back(), 1);
    auto message = next(stack);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(bytesOf(*message), frame);
    EXPECT_EQ(next(stack), nullptr);
}

TEST(MessageStack, FramesComeOutInStreamOrderHoweverTheStreamIsSplit)
{
    Bytes large = Payload().word(1).zeros(CMessageStack::LARGE_FRAME).frame(10);
    large.back() = 0x42;
    const Bytes frames[] = {Payload().text("one").frame(5), Payload().frame(4), Payload().word(1).zeros(2000).frame(9),
                            large, Payload().text("two").frame(7), large};
    Bytes stream = joined({frames[0], frames[1], frames[2], frames[3], frames[4], frames[5]});
    for (size_t piece : {size_t(1), size_t(7), size_t(100), size_t(65536), stream.size()}) {
        SCOPED_TRACE(piece);
        CMessageStack stack(nullptr);
        std::vector<Bytes> out;
        for (size_t at = 0; at < stream.size(); at += piece) {
            stack.push(&stream[at], static_cast<int>(std::min(piece, stream.size() - at)));
            while (auto message = next(stack))
                out.push_back(bytesOf(*message));
        }
        EXPECT_EQ(out, std::vector<Bytes>(std::begin(frames), std::end(frames)));
    }
}

TEST(MessageStack, ALeaveArrivingAloneIsCutAtOnce)
{
    Bytes leave = Payload().frame(CNetMessage::LEAVE);
    CMessageStack stack(nullptr);
    stack.push(leave.data(), static_cast<int>(leave.size()));
    auto message = next(stack);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->getType(), CNetMessage::LEAVE);
    EXPECT_EQ(message->getBufferLen(), 8);
}

TEST(MessageStack, ALengthWordNoFrameCanHaveFailsTheStackForGood)
{
    const int32_t lengths[] = {0, 1, 7, -1, -1024, CMessageStack::MAX_FRAME_LENGTH + 1, INT32_MAX};
    for (int32_t length : lengths) {
        SCOPED_TRACE(length);
        CMessageStack stack(nullptr);
        Bytes good = Payload().text("ok").frame(5);
        Bytes bad = Payload().zeros(64).frame(5, length);
        Bytes stream = joined({good, bad, good});
        EXPECT_TRUE(stack.push(stream.data(), static_cast<int>(stream.size())));
        auto first = next(stack);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(bytesOf(*first), good);
        EXPECT_EQ(next(stack), nullptr);
        EXPECT_TRUE(stack.failed());
        EXPECT_FALSE(stack.push(good.data(), static_cast<int>(good.size())));
        EXPECT_EQ(next(stack), nullptr);
    }
}

TEST(MessageStack, TheLargestFrameIsCut)
{
    Bytes frame = Payload().zeros(CMessageStack::MAX_FRAME_LENGTH - 8).frame(5);
    frame.back() = 0x42;
    CMessageStack stack(nullptr);
    for (size_t at = 0; at < frame.size(); at += 65536)
        stack.push(&frame[at], 65536);
    auto message = next(stack);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->getBufferLen(), CMessageStack::MAX_FRAME_LENGTH);
    EXPECT_EQ(message->getBuffer()[CMessageStack::MAX_FRAME_LENGTH - 1], 0x42);
    EXPECT_FALSE(stack.failed());
}

} // namespace
