#pragma once

#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

// A temp folder that the engine reaches as drive T:, so tests name their files "T:\x.bin".
class ArchiveTestFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        drives_.set('T', temp.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives_);
    }
    void TearDown() override { platform::setDrives(nullptr); }

    // The game path of a file in the folder ("a\b.bin" gives "T:\a\b.bin").
    static std::string gamePath(const std::string& relative) { return "T:\\" + relative; }

    TempFolder temp;

private:
    platform::DriveMap drives_;
};

// Bytes spelled out in a test: bytes({0x03, 0x00}) + "abc".
inline std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int value : values)
        out += static_cast<char>(value);
    return out;
}
