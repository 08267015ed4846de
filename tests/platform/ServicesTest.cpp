#include "platform/DebugOutput.h"
#include "platform/DriveMap.h"
#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "platform/IniFileProfile.h"
#include "platform/PosixFiles.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

// Installing a service replaces it for the whole process; installing null brings the default back.
template <class Service>
void expectReplaceable(Service& replacement, Service& (*get)(), void (*set)(Service*))
{
    Service& original = get();
    set(&replacement);
    EXPECT_EQ(&get(), &replacement);
    set(nullptr);
    EXPECT_EQ(&get(), &original);
}

TEST(Services, EveryServiceCanBeReplacedAndRestored)
{
    TempFolder folder;
    platform::DriveMap drives;
    platform::PosixFiles files;
    platform::FileRegistry registry(folder.path());
    platform::IniFileProfile ini(folder.path());
    platform::DebugOutput debug(nullptr);
    expectReplaceable<platform::Drives>(drives, platform::drives, platform::setDrives);
    expectReplaceable<platform::Files>(files, platform::files, platform::setFiles);
    expectReplaceable<platform::Registry>(registry, platform::registry, platform::setRegistry);
    expectReplaceable<platform::ProfileIni>(ini, platform::profileIni, platform::setProfileIni);
    expectReplaceable<platform::DebugOutput>(debug, platform::debugOutput, platform::setDebugOutput);
}

TEST(DebugOutput, SilentUntilEnabledThenUtf8)
{
    EXPECT_FALSE(platform::debugOutput().enabled());
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    platform::DebugOutput output(stream);
    output.write("hidden\n");
    output.setEnabled(true);
    output.write("B\xB3\xB9\x64: Time spend in load: 5 ms.\n");
    output.setEnabled(false);
    output.write("hidden again\n");

    std::rewind(stream);
    char buffer[256] = {};
    const size_t count = std::fread(buffer, 1, sizeof buffer - 1, stream);
    std::fclose(stream);
    EXPECT_EQ(std::string(buffer, count), "Błąd: Time spend in load: 5 ms.\n");
}

} // namespace
