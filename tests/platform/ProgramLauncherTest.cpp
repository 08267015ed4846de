#include "platform/ProgramLauncher.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramLauncher, AProgramThatCannotStartLeavesTheProcessGoingOn)
{
    TempFolder folder;
    folder.write("copy.exe", "MZ not a program of this system");
    platform::PosixProgramLauncher launcher;
    launcher.replaceProcess(folder / "missing", {"missing"});
    // Not executable: exec refuses it.
    launcher.replaceProcess(folder / "copy.exe", {"copy.exe", "-window"});
    SUCCEED();
}

} // namespace
