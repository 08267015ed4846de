#include "script/DataFile.h"

#include "foundation/CFile.h"
#include "foundation/CXArchive.h"

namespace script {

namespace {

// Open flags: "w+b" and "rb".
constexpr int kWriteFlags = 22;
constexpr int kReadFlags = 17;

bool withDataFile(CWindow* window, const CXString& name, bool storing, const std::function<void(CXArchive*)>& use)
{
    CFile file;
    if (file.Open(window, name, storing ? kWriteFlags : kReadFlags) != 0)
        return false;
    CXArchive archive(&file, storing);
    use(&archive);
    file.Close();
    return true;
}

} // namespace

bool writeDataFile(CWindow* window, const CXString& name, const std::function<void(CXArchive*)>& write)
{
    return withDataFile(window, name, true, write);
}

bool readDataFile(CWindow* window, const CXString& name, const std::function<void(CXArchive*)>& read)
{
    return withDataFile(window, name, false, read);
}

} // namespace script
