// Opens hostile bytes as a data archive and, when they open, lists every folder and reads every
// member it names: every member found must lie inside the file.
#include "foundation/CBigFile.h"
#include "foundation/CFile.h"
#include "foundation/CFindData.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/FileHandle.h"
#include "platform/Files.h"
#include "tests/platform/TempFolder.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The archive is written to a temp folder that the engine reaches as drive F:.
const char* archivePath()
{
    static TempFolder folder;
    static platform::DriveMap drives;
    static bool mapped = false;
    if (!mapped) {
        drives.set('F', folder.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives);
        mapped = true;
    }
    return "F:\\fuzz.bf";
}

void checkMember(CBigFile& archive, const CXString& path, int64_t archiveSize)
{
    const int size = archive.GetSize(path);
    const int offset = archive.Seek(path);
    if (offset < 0)
        return;
    if (size < 0 || offset + static_cast<int64_t>(size) > archiveSize || archive.Tell() != offset)
        std::abort();
    std::unique_ptr<CFile> reader = archive.OpenMember(path);
    std::vector<char> bytes(static_cast<size_t>(size));
    if (reader == nullptr || reader->Read(bytes.data(), size) != size)
        std::abort();
}

// Every entry of a folder, through the listing, and the members below it, a few levels deep and
// within a budget of entries (folders named "" lead back to where they start).
void walk(CBigFile& archive, const CXString& folder, int depth, int64_t archiveSize, int& budget)
{
    CFindData data;
    const int handle = archive.FindFirst(folder + "*.*", &data);
    for (int more = handle; more >= 0 && budget-- > 0; more = archive.FindNext(handle, &data)) {
        const CXString path = folder + data.name;
        if ((data.attrib & CFindData::SUBDIR) == 0) {
            checkMember(archive, path, archiveSize);
            archive.FileExists(path);
        } else if (depth < 4) {
            walk(archive, path + "\\", depth + 1, archiveSize, budget);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* path = archivePath();
    {
        std::unique_ptr<platform::FileHandle> out = platform::files().open(path, platform::FileMode::Write);
        if (out == nullptr || out->write(data, size) != size)
            std::abort();
    }
    CBigFile archive(path, false);
    if (archive.LastError() != 0) {
        if (archive.GetFile() != nullptr || archive.FileExists("a") || archive.Seek("a") != -1)
            std::abort();
        return 0;
    }
    int budget = 1000;
    walk(archive, "\\", 0, static_cast<int64_t>(size), budget);
    for (const char* probe : {"a", "\\a\\b", "x\\y\\z", "\\", ""})
        checkMember(archive, probe, static_cast<int64_t>(size));
    archive.GetCurrentDirectoryA();
    return 0;
}
