#include "foundation/CFolder.h"

#include "foundation/CFile.h"
#include "foundation/CFindData.h"
#include "foundation/CXArray.h"
#include "platform/Files.h"

#include <algorithm>
#include <climits>

const CXString CFolder::DATA_FOLDER = "Dane";
const CXString CFolder::WAVS_FOLDER = "WAVS";
const CXString CFolder::SFX_FOLDER = "Wavs\\Sfx";
const CXString CFolder::COMMON_FOLDER = "COMMON";

namespace {

// The first entry that matches, its search closed again; false when none does.
bool firstMatch(const CXString& path, CFindData& data)
{
    const int handle = CFile::findFirst(path, &data);
    if (handle < 0)
        return false;
    CFile::findClose(handle);
    return true;
}

} // namespace

CFolder::CFolder(CWindow* window) : window_(window), searchHandle_(-1)
{
    basePath_ = window ? CFile::getCurrentDirectory() : CXString(platform::files().currentFolder().c_str());
}

CFolder::CFolder(CWindow* window, const CXString& folder)
    : window_(window), currentPath_(folder), startFolder_(CFile::getCurrentDirectory()), searchHandle_(-1)
{
    CFile::chDir(folder);
    basePath_ = folder.GetAt(0) == '\\' ? folder : CFile::getCurrentDirectory();
}

CFolder::~CFolder()
{
    endListing();
}

CXString CFolder::GetFolderName(const CXString& pattern)
{
    pattern_ = pattern;
    return startListing(pattern, CFindData::SUBDIR);
}

CXString CFolder::GetFileName(const CXString& pattern)
{
    pattern_ = pattern;
    return startListing(pattern, 0);
}

CXString CFolder::GetNextFileName()
{
    CFindData data;
    if (searchHandle_ >= 0 && CFile::findNext(searchHandle_, &data) == 0)
        return data.name;
    searchHandle_ = -1;
    return CXString();
}

CXString CFolder::startListing(const CXString& pattern, unsigned attrib)
{
    endListing();
    CFindData data;
    data.attrib = attrib;
    searchHandle_ = CFile::findFirst(pattern, &data);
    return searchHandle_ >= 0 ? data.name : CXString();
}

void CFolder::endListing()
{
    if (searchHandle_ >= 0)
        CFile::findClose(searchHandle_);
    searchHandle_ = -1;
}

CXArray* CFolder::list(const CXString& pattern)
{
    CXArray* names = new CXArray(101, 0.75f);
    for (CXString name = GetFileName(pattern); searchHandle_ >= 0; name = GetNextFileName())
        names->add(new CXString(name));
    return names;
}

void CFolder::releaseFilesList(CXArray* names)
{
    CXString::releaseToVector(names);
}

bool CFolder::IsDirectory(const CXString& path)
{
    CFindData data;
    return firstMatch(path, data) && (data.attrib & CFindData::SUBDIR) != 0;
}

int CFolder::GetSize(const CXString& path) const
{
    CFindData data;
    return firstMatch(path, data) ? static_cast<int>(std::min<int64_t>(data.size, INT_MAX)) : 0;
}

void CFolder::GoStart()
{
    currentPath_ = basePath_;
    CFile::chDir(basePath_);
}

CXString CFolder::GoUp()
{
    CFile::chDir("..");
    const int separator = currentPath_.FindLast('\\');
    if (separator >= 0)
        currentPath_ = currentPath_.Left(separator);
    return folderType(currentPath_);
}

CXString CFolder::GoTo(int n)
{
    currentPath_ += "\\";
    // The letter wraps as a character does; such folder names simply are not found.
    const CXString name = FindFolder(static_cast<char>(static_cast<unsigned>('A') + static_cast<unsigned>(n)));
    currentPath_ += name;
    enteredName_ = name;
    CFile::chDir(name);
    return folderType(name);
}

void CFolder::back()
{
    if (startFolder_.IsString())
        CFile::chDir(startFolder_);
}

CXString CFolder::folderType(const CXString& name)
{
    const int dot = name.FindLast('.');
    if (dot < 0)
        return CXString();
    if (name.GetAt(dot + 1) == '+')
        return name.Right(dot + 2);
    return name.Mid(dot + 1, dot + 2);
}

CXString CFolder::FindFolder(char letter)
{
    CXString pattern;
    pattern += letter;
    pattern += ".*";
    return GetFolderName(pattern);
}
