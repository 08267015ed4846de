#include "platform/AtomicFile.h"
#include "platform/FileRegistry.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using platform::FileRegistry;
using platform::RegistryRoot;

const RegistryRoot HKCU = RegistryRoot::CurrentUser;
const RegistryRoot HKLM = RegistryRoot::LocalMachine;
const std::string kEngineKey = "Software\\Halvremont\\TamzoraWeb";

std::string valueOf(FileRegistry& registry, RegistryRoot root, const std::string& key, const std::string& name)
{
    std::string value;
    return registry.getValue(root, key, name, value) ? value : "<missing>";
}

TEST(Registry, ValuesRoundTripAndSurviveAReload)
{
    TempFolder folder;
    const std::string hostile = std::string("line\r\nbreak \"quoted\" back\\slash ]\x01\0 end", 38);
    const std::string polish = "Zg\xB3oszenie \xA3\xF3\x64\x9F";
    {
        FileRegistry registry(folder / "config");
        EXPECT_TRUE(registry.setValue(HKCU, kEngineKey, "Version", "1.0"));
        EXPECT_TRUE(registry.setValue(HKCU, kEngineKey + "\\gra", "FullName", polish));
        EXPECT_TRUE(registry.setValue(HKCU, kEngineKey + "\\gra", hostile, hostile));
        EXPECT_TRUE(registry.setValue(HKCU, kEngineKey, "version", "1.1")); // same value, other case
        EXPECT_TRUE(registry.setValue(HKLM, "Software\\Other", "", "default value"));
    }
    FileRegistry reloaded(folder / "config");
    EXPECT_EQ(valueOf(reloaded, HKCU, "SOFTWARE\\halvremont\\TAMZORAWEB", "VERSION"), "1.1");
    EXPECT_EQ(valueOf(reloaded, HKCU, kEngineKey + "\\GRA", "fullname"), polish);
    EXPECT_EQ(valueOf(reloaded, HKCU, kEngineKey + "\\gra", hostile), hostile);
    EXPECT_EQ(valueOf(reloaded, HKLM, "Software\\Other", ""), "default value");
    EXPECT_EQ(valueOf(reloaded, HKLM, kEngineKey, "Version"), "<missing>"); // roots are apart
    EXPECT_EQ(valueOf(reloaded, HKCU, kEngineKey, "Missing"), "<missing>");
    EXPECT_TRUE(reloaded.keyExists(HKCU, "software\\halvremont"));
    EXPECT_FALSE(reloaded.keyExists(HKCU, "software\\nobody"));
}

TEST(Registry, KeysAreCreatedEnumeratedAndDeleted)
{
    TempFolder folder;
    FileRegistry registry(folder.path());
    EXPECT_TRUE(registry.createKey(HKCU, kEngineKey + "\\zeta\\deep"));
    EXPECT_TRUE(registry.createKey(HKCU, kEngineKey + "\\Alpha"));
    EXPECT_TRUE(registry.createKey(HKCU, kEngineKey + "\\alpha")); // exists already
    EXPECT_TRUE(registry.setValue(HKCU, kEngineKey, "b", "2"));
    EXPECT_TRUE(registry.setValue(HKCU, kEngineKey, "A", "1"));
    EXPECT_FALSE(registry.createKey(HKCU, "\\\\"));

    EXPECT_EQ(registry.subKeys(HKCU, kEngineKey), (std::vector<std::string>{"Alpha", "zeta"}));
    EXPECT_EQ(registry.valueNames(HKCU, kEngineKey), (std::vector<std::string>{"A", "b"}));
    EXPECT_TRUE(registry.subKeys(HKCU, "nowhere").empty());

    EXPECT_TRUE(registry.deleteValue(HKCU, kEngineKey, "B"));
    EXPECT_FALSE(registry.deleteValue(HKCU, kEngineKey, "b"));
    EXPECT_FALSE(registry.deleteKey(HKCU, kEngineKey + "\\Zeta")); // has a sub-key
    EXPECT_TRUE(registry.deleteKey(HKCU, kEngineKey + "\\Zeta\\Deep"));
    EXPECT_TRUE(registry.deleteKey(HKCU, kEngineKey + "\\Zeta"));
    EXPECT_TRUE(registry.deleteTree(HKCU, "Software\\Halvremont"));
    EXPECT_FALSE(registry.keyExists(HKCU, kEngineKey));
    EXPECT_TRUE(registry.keyExists(HKCU, "Software"));
    EXPECT_FALSE(registry.deleteTree(HKCU, "Software\\Halvremont"));
    EXPECT_FALSE(registry.deleteKey(HKCU, ""));
}

TEST(Registry, CrashBetweenWriteAndRenameLosesNothing)
{
    TempFolder folder;
    FileRegistry registry(folder.path());
    ASSERT_TRUE(registry.setValue(HKCU, kEngineKey, "TimesPlayed", "1"));
    platform::AtomicFile::simulateCrashBeforeRename(true);
    EXPECT_FALSE(registry.setValue(HKCU, kEngineKey, "TimesPlayed", "2"));
    platform::AtomicFile::simulateCrashBeforeRename(false);

    FileRegistry afterRestart(folder.path());
    EXPECT_EQ(valueOf(afterRestart, HKCU, kEngineKey, "TimesPlayed"), "1");
    EXPECT_TRUE(afterRestart.setValue(HKCU, kEngineKey, "TimesPlayed", "2"));
    EXPECT_EQ(valueOf(afterRestart, HKCU, kEngineKey, "TimesPlayed"), "2");
}

TEST(Registry, DamagedFilesKeepTheirReadableParts)
{
    TempFolder folder;
    std::string tooDeep = "[";
    for (int i = 0; i < 600; ++i)
        tooDeep += "k\\\\";
    tooDeep += "]\n\"lost\"=\"x\"\n";
    folder.write("registry-current-user.txt",
                 "\"orphan\"=\"before any key\"\n"
                 "[Good]\r\n"
                 "\"a\"=\"1\"\r\n"
                 "\"bad escape\"=\"\\q\"\n"
                 "\"unterminated\"=\"abc\n"
                 "\"short hex\"=\"\\x4\"\n"
                 "garbage line\n"
                 "[Unclosed\n"
                 "\"b\"=\"2\"\n" +
                     tooDeep +
                     "[Good\\\\Child]\n"
                     "\"c\"=\"\\x41\\\\\\\"\"\n");
    FileRegistry registry(folder.path());
    EXPECT_EQ(valueOf(registry, HKCU, "Good", "a"), "1");
    EXPECT_EQ(valueOf(registry, HKCU, "Good\\Child", "c"), "A\\\"");
    EXPECT_EQ(registry.valueNames(HKCU, "Good"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(registry.subKeys(HKCU, ""), (std::vector<std::string>{"Good"}));
    EXPECT_TRUE(registry.valueNames(HKCU, "").empty());
}

TEST(Registry, WritersOfOneFileLoseNoUpdate)
{
    // Two objects stand for two processes: each reads, changes and writes the file on its own.
    TempFolder folder;
    constexpr int kWrites = 40;
    auto writer = [&folder](const char* prefix) {
        FileRegistry registry(folder.path());
        for (int i = 0; i < kWrites; ++i)
            registry.setValue(HKCU, kEngineKey, prefix + std::to_string(i), "v");
    };
    std::thread first(writer, "a");
    std::thread second(writer, "b");
    first.join();
    second.join();
    FileRegistry registry(folder.path());
    EXPECT_EQ(registry.valueNames(HKCU, kEngineKey).size(), 2u * kWrites);
}

TEST(Registry, KeysNestNoDeeperThanWindowsAllows)
{
    TempFolder folder;
    FileRegistry registry(folder.path());
    std::string path = "k";
    for (size_t depth = 1; depth < platform::RegistryTree::kMaxDepth; ++depth)
        path += "\\k";
    EXPECT_TRUE(registry.createKey(HKCU, path));
    EXPECT_FALSE(registry.createKey(HKCU, path + "\\k"));
    EXPECT_FALSE(registry.setValue(HKCU, path + "\\k", "v", "x"));
    EXPECT_TRUE(registry.keyExists(HKCU, path));
}

} // namespace
