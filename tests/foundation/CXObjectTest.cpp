#include "foundation/CLogSink.h"
#include "foundation/CXObject.h"
#include "CapturedDebugOutput.h"
#include "platform/ManualClock.h"

#include <cstdio>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct RecordingLog : CLogSink {
    void toLog(const CXString& text, bool flag) override { entries.emplace_back(text.c_str(), flag); }
    std::vector<std::pair<std::string, bool>> entries;
};

// Installs a manual clock, a debug output into a temporary file and a recording log sink for
// one test, and takes them away again.
class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(debug.ready());
        platform::setClock(&clock);
        CLogSink::install(&log);
    }
    void TearDown() override
    {
        CXObject::profile(nullptr, false);
        CLogSink::install(nullptr);
        platform::setClock(nullptr);
    }

    std::string written() { return debug.text(); }

    platform::ManualClock clock{0xFFFFFFF0u};
    CapturedDebugOutput debug;
    RecordingLog log;
};

TEST(CXObject, RootDefaultsAreIdentities)
{
    CXObject a;
    CXObject b;
    EXPECT_EQ(a.LastError(), 0);
    EXPECT_FALSE(a.isToDelete());
    EXPECT_EQ(a.clone(), nullptr);
    EXPECT_EQ(a.toString(), "");
    EXPECT_EQ(a.processMessage(nullptr), 0);
    a.notifyMessageReceive(nullptr);
    EXPECT_TRUE(a.equals(&a));
    EXPECT_FALSE(a.equals(&b));
    EXPECT_EQ(a.compare(&a), 1);
    EXPECT_EQ(a.compare(&b), 0);
    EXPECT_NE(a.getHashcode(), b.getHashcode());
    EXPECT_EQ(a.getHashcode(), a.getHashcode());
}

TEST(CXObject, ErrorCodeAndDeleteFlagTravelWithCopies)
{
    CXObject original;
    original.setErrorCode(2000);
    original.setToDelete();
    CXObject copy(original);
    EXPECT_EQ(copy.LastError(), 2000);
    EXPECT_TRUE(copy.isToDelete());
    CXObject assigned;
    assigned = original;
    EXPECT_TRUE(assigned.isToDelete());
    assigned.setErrorCode(-997);
    EXPECT_EQ(assigned.LastError(), -997);
    EXPECT_EQ(original.LastError(), 2000);
}

TEST(CXObject, ByteSwaps)
{
    EXPECT_EQ(CXObject::swap_word(255), -256);
    EXPECT_EQ(CXObject::swap_word(0x1234), 0x3412);
    EXPECT_EQ(CXObject::swap_dword(0x12345678), 0x78563412);
    EXPECT_EQ(CXObject::swap_dword(0x000000FF), static_cast<int>(0xFF000000u));
    const int values[] = {0, -1, 1, 0x7FFFFFFF, static_cast<int>(0x80000000u), 0x01020304};
    for (int v : values)
        EXPECT_EQ(CXObject::swap_dword(CXObject::swap_dword(v)), v) << v;
}

TEST_F(ProfileTest, StopWritesOneLineWithTheElapsedTime)
{
    CXObject::profile(nullptr, true); // nothing open: nothing happens
    EXPECT_EQ(written(), "");

    CXObject::profile("load", false);
    clock.advance(25); // across the 32-bit tick wrap
    CXObject::profile(nullptr, false);
    EXPECT_EQ(written(), "Time spend in load: 25 ms.\n");
    EXPECT_TRUE(log.entries.empty());

    CXObject::profile(nullptr, false); // closed already
    EXPECT_EQ(written(), "Time spend in load: 25 ms.\n");
}

TEST_F(ProfileTest, SecondStartReplacesTheNameAndFlagAlsoLogs)
{
    CXObject::profile("first", false);
    clock.advance(5);
    CXObject::profile("second", false);
    clock.advance(7);
    CXObject::profile(nullptr, true);
    EXPECT_EQ(written(), "Time spend in second: 7 ms.\n");
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.entries[0].first, "Time spend in second: 7 ms.\n");
}

TEST_F(ProfileTest, LogHandsTheTextToTheSink)
{
    CXObject object;
    object.log("hello", true);
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.entries[0].first, "hello");
    EXPECT_TRUE(log.entries[0].second);
    CLogSink::install(nullptr);
    object.log("dropped", false); // no sink: nothing to do
    EXPECT_EQ(log.entries.size(), 1u);
}

} // namespace
