#include "platform/DriveMap.h"
#include "platform/PathResolver.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using platform::DriveMap;
using platform::DriveType;

TEST(DriveMap, ReadsTheDriveMapFileAndSkipsWhatDoesNotParse)
{
    DriveMap map;
    map.readConfig("# my drives\r\n"
                   "C: fixed /home/anna/\r\n"
                   "  e: cd /media/anna/GAME CD  \n"
                   "F: floppy /mnt/f\n"
                   "G: fixed relative/path\n"
                   "H:\n"
                   "1: fixed /x\n"
                   "garbage");
    EXPECT_EQ(map.folderOf('c'), "/home/anna");
    EXPECT_EQ(map.typeOf('C'), DriveType::Fixed);
    EXPECT_EQ(map.folderOf('E'), "/media/anna/GAME CD");
    EXPECT_EQ(map.typeOf('e'), DriveType::CdRom);
    for (char letter : {'F', 'G', 'H', 'Z'}) {
        EXPECT_EQ(map.folderOf(letter), "") << letter;
        EXPECT_EQ(map.typeOf(letter), DriveType::None) << letter;
    }
    EXPECT_EQ(map.list().size(), 2u);
    EXPECT_EQ(map.typeOf('1'), DriveType::None);
}

TEST(DriveMap, OpticalMountsBecomeCdDrives)
{
    DriveMap map;
    map.set('C', "/", DriveType::Fixed);
    map.set('D', "/mnt/data", DriveType::Fixed);
    map.set('E', "/media/cdrom", DriveType::Fixed);
    map.addOpticalMounts(
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "40 22 11:0 / /media/cdrom ro,relatime shared:20 - iso9660 /dev/sr0 ro\n"
        "41 22 11:1 / /media/anna/MY\\040GAME ro,relatime - udf /dev/sr1 ro\n"
        "42 22 0:5 / /proc rw - proc proc rw\n"
        "43 22 11:2 / relative/cd ro - iso9660 /dev/sr2 ro\n"
        "44 22 11:3 / \\ ro - udf /dev/sr3 ro\n"
        "broken line\n");
    EXPECT_EQ(map.typeOf('E'), DriveType::CdRom);       // already named: turned into a CD
    EXPECT_EQ(map.folderOf('F'), "/media/anna/MY GAME"); // first free letter from D: on
    EXPECT_EQ(map.typeOf('F'), DriveType::CdRom);
    EXPECT_EQ(map.typeOf('D'), DriveType::Fixed);
    // A relative or empty mount point names no folder: it takes no letter.
    EXPECT_EQ(map.list().size(), 4u);
}

TEST(DriveMap, SystemMapComesFromTheConfigFolderOrDefaultsToRoot)
{
    TempFolder config;
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    DriveMap map;
    map.loadSystem();
    EXPECT_EQ(map.folderOf('C'), "/");
    EXPECT_EQ(map.typeOf('C'), DriveType::Fixed);

    config.write("tamzora/drives.conf", "D: fixed /srv/games\n");
    map.loadSystem();
    EXPECT_EQ(map.folderOf('C'), "");
    EXPECT_EQ(map.folderOf('D'), "/srv/games");
}

TEST(PathResolver, GameFormOfNativePathsUsesTheClosestDrive)
{
    DriveMap map;
    map.set('C', "/", DriveType::Fixed);
    map.set('D', "/media/cd", DriveType::CdRom);
    const platform::PathResolver resolver(map);
    EXPECT_EQ(resolver.toGame("/"), "C:\\");
    EXPECT_EQ(resolver.toGame("/home/anna/gra"), "C:\\home\\anna\\gra");
    EXPECT_EQ(resolver.toGame("/media/cd"), "D:\\");
    EXPECT_EQ(resolver.toGame("/media/cd/Dane"), "D:\\Dane");
    EXPECT_EQ(resolver.toGame("/media/cdx"), "C:\\media\\cdx");
    EXPECT_EQ(resolver.toGame("/home/\xC5\x81\xC3\xB3\x64\xC5\xBA"), "C:\\home\\\xA3\xF3\x64\x9F"); // Łódź
    map.remove('C');
    EXPECT_EQ(resolver.toGame("/home/anna"), "/home/anna");
    EXPECT_EQ(resolver.toNative("D:\\Dane\\x.cnv"), "/media/cd/Dane/x.cnv");
    EXPECT_EQ(resolver.toNative("C:\\x"), "");
}

} // namespace
