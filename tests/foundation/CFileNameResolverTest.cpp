#include "foundation/CFileNameResolver.h"
#include "foundation/CXArray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> directoriesOf(const CFileNameResolver& resolver)
{
    std::vector<std::string> names;
    const CXArray* directories = resolver.getDirectories();
    for (int i = 0; i < directories->getSize(); ++i)
        names.push_back(static_cast<CXString*>((*directories)[i])->c_str());
    return names;
}

TEST(CFileNameResolver, SplitsDriveDirectoriesNameAndExtension)
{
    const struct {
        const char* path;
        char drive;
        std::vector<std::string> directories;
        const char* file;
        const char* pure;
        const char* extension;
    } cases[] = {
        {"C:\\Dane\\a.b.c", 'C', {"C:", "Dane"}, "a.b.c", "a", "b"},
        {"Wavs\\Sfx\\x.wav", 0, {"Wavs", "Sfx"}, "x.wav", "x", "wav"},
        {"x.wav", 0, {"x.wav"}, "x.wav", "x", "wav"},
        {"noext", 0, {"noext"}, "noext", "noext", ""},
        {"", 0, {}, "", "", ""},
        {"\\\\", 0, {}, "", "", ""},
    };
    for (const auto& c : cases) {
        const CFileNameResolver resolver(c.path);
        EXPECT_EQ(resolver.getDrive(), static_cast<unsigned char>(c.drive)) << c.path;
        EXPECT_EQ(directoriesOf(resolver), c.directories) << c.path;
        EXPECT_EQ(resolver.getFileName(), c.file) << c.path;
        EXPECT_EQ(resolver.getPureFileName(), c.pure) << c.path;
        EXPECT_EQ(resolver.getExtension(), c.extension) << c.path;
    }
}

} // namespace
