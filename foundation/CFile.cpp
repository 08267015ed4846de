#include "foundation/CFile.h"

#include "foundation/CArchiveFileSystem.h"
#include "foundation/CBigFile.h"
#include "foundation/CFindData.h"
#include "foundation/CFolder.h"
#include "foundation/CLanguageOSVer.h"
#include "foundation/CPath.h"
#include "foundation/CWindowLink.h"
#include "foundation/FindHandles.h"
#include "platform/Drives.h"
#include "platform/FileHandle.h"
#include "platform/Files.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The process's open data archive.
std::unique_ptr<CArchiveFileSystem> openArchive;

int clampToInt(int64_t value)
{
    return static_cast<int>(std::min<int64_t>(value, INT_MAX));
}

bool driveIs(const CXString& path, platform::DriveType type)
{
    return path.IsString() && platform::drives().typeOf(path.GetAt(0)) == type;
}

CXString diskCurrentFolder()
{
    return CXString(platform::files().currentFolder().c_str());
}

// The path from its first "Dane" or "COMMON" (exact case), else from "WAVS" in the upper-cased
// path, put after root (which ends with a backslash); the path itself when it has none.
CXString movedUnder(const CXString& root, const CXString& path)
{
    for (const CXString* folder : {&CFolder::DATA_FOLDER, &CFolder::COMMON_FOLDER}) {
        const int position = path.FindSubString(*folder);
        if (position >= 0)
            return root + path.Right(position);
    }
    CXString upper = path;
    upper.Upper();
    const int position = upper.FindSubString(CFolder::WAVS_FOLDER);
    return position >= 0 ? root + upper.Right(position) : path;
}

bool opensForReading(const CXString& path)
{
    return platform::files().fileExists(path.c_str());
}

void fill(CFindData* data, const platform::FileEntry& entry)
{
    data->attrib = entry.isFolder ? CFindData::SUBDIR : 0;
    data->size = static_cast<int64_t>(std::min<uint64_t>(entry.size, INT64_MAX));
    data->name = entry.name.c_str();
}

} // namespace

CFile::CFile() : flags_(0), window_(nullptr), text_(false) {}

CFile::CFile(CWindow* window, const CXString& name, int flags) : flags_(0), window_(window), text_(false)
{
    setErrorCode(Open(window, name, flags));
}

CFile::~CFile()
{
    Close();
}

int CFile::Length()
{
    return stream_ ? clampToInt(stream_->size()) : -1;
}

int CFile::Tell()
{
    return stream_ ? clampToInt(stream_->tell()) : 0;
}

platform::FileHandle* CFile::GetHandle()
{
    return stream_.get();
}

int CFile::Seek(int offset, int whence)
{
    static constexpr platform::SeekFrom origins[] = {platform::SeekFrom::Start, platform::SeekFrom::Current, platform::SeekFrom::End};
    if (!stream_ || whence < 0 || whence > 2)
        return -1;
    return stream_->seek(offset, origins[whence]) ? 0 : -1;
}

int CFile::Open(CWindow* window, const CXString& name, int flags)
{
    stream_.reset();
    fileName_ = fullPathOf(window, name);
    flags_ = flags;
    // Without "b" the runtime opens in text mode; "t" wins over "b".
    text_ = (flags & TEXT) != 0 || (flags & BINARY) == 0;
    for (const CXString& candidate : candidatesOf(window, fileName_)) {
        if (openAt(candidate)) {
            // A successful open clears the failure of an earlier one.
            setErrorCode(0);
            return 0;
        }
    }
    setErrorCode(NOT_FOUND);
    return NOT_FOUND;
}

bool CFile::openAt(const CXString& path)
{
    const platform::FileMode mode = (flags_ & READ) ? platform::FileMode::Read : platform::FileMode::Write;
    stream_ = platform::files().open(path.c_str(), mode, (flags_ & UPDATE) != 0);
    return stream_ != nullptr;
}

CXString CFile::fullPathOf(CWindow* window, const CXString& name)
{
    const CXString resolved = CPath::resolveFileName(window, name);
    if (resolved.GetAt(1) == ':')
        return resolved;
    return diskCurrentFolder() + "\\" + resolved;
}

std::vector<CXString> CFile::candidatesOf(CWindow* window, const CXString& fullPath)
{
    CLanguageOSVer* language = CWindowLink::languageOf(window);
    if (!language)
        return {getLocalPath(fullPath), fullPath};
    // A file named on the hard disk is tried there, then at the same place on the CD; one named
    // elsewhere (on the CD) under the engine's root first, then where it was named.
    const bool hdd = isHdd(fullPath);
    const CXString first = hdd ? fullPath : getLocalPath(fullPath);
    const CXString second = hdd ? getCDPath(fullPath) : fullPath;
    return {language->getLocalFileName(first), first, language->getLocalFileName(second), second};
}

int CFile::Read(void* buffer, int n)
{
    if (!stream_ || n <= 0 || !buffer)
        return 0;
    char* bytes = static_cast<char*>(buffer);
    return text_ ? readText(bytes, n) : static_cast<int>(stream_->read(bytes, static_cast<size_t>(n)));
}

int CFile::readText(char* buffer, int n)
{
    int produced = 0;
    while (produced < n) {
        const int end = produced + static_cast<int>(stream_->read(buffer + produced, static_cast<size_t>(n - produced)));
        if (end == produced)
            break;
        // Compacts in place: the write position never passes the read position.
        for (int i = produced; i < end; ++i) {
            if (buffer[i] == '\r') {
                if (i + 1 < end && buffer[i + 1] == '\n') {
                    buffer[produced++] = '\n';
                    ++i;
                    continue;
                }
                if (i + 1 == end && takeLineFeedAfterCarriageReturn()) {
                    buffer[produced++] = '\n';
                    continue;
                }
            }
            buffer[produced++] = buffer[i];
        }
    }
    return produced;
}

bool CFile::takeLineFeedAfterCarriageReturn()
{
    char next;
    if (stream_->read(&next, 1) != 1)
        return false;
    if (next == '\n')
        return true;
    stream_->seek(-1, platform::SeekFrom::Current);
    return false;
}

int CFile::Write(const void* data, int n)
{
    if (!stream_ || n <= 0 || !data)
        return 0;
    const char* bytes = static_cast<const char*>(data);
    return text_ ? writeText(bytes, n) : static_cast<int>(stream_->write(bytes, static_cast<size_t>(n)));
}

int CFile::writeText(const char* data, int n)
{
    std::string translated;
    translated.reserve(static_cast<size_t>(n) + 16);
    for (int i = 0; i < n; ++i) {
        if (data[i] == '\n')
            translated += '\r';
        translated += data[i];
    }
    const size_t written = stream_->write(translated.data(), translated.size());
    if (written == translated.size())
        return n;
    // A short write: count the characters that got out whole.
    int consumed = 0;
    for (size_t bytes = 0; consumed < n; ++consumed) {
        bytes += data[consumed] == '\n' ? 2 : 1;
        if (bytes > written)
            break;
    }
    return consumed;
}

int CFile::Close()
{
    if (stream_) {
        stream_->close();
        stream_.reset();
    }
    return LastError();
}

bool CFile::readLine(std::string& line, int maxChars)
{
    line.clear();
    if (!stream_ || maxChars <= 0)
        return false;
    if (!text_)
        return stream_->readLine(line, static_cast<size_t>(maxChars));
    char c;
    while (static_cast<int>(line.size()) < maxChars && readText(&c, 1) == 1) {
        line += c;
        if (c == '\n')
            break;
    }
    return !line.empty();
}

bool CFile::GetLine(char* buffer, int size)
{
    if (!buffer || size <= 0)
        return false;
    std::string line;
    const bool read = readLine(line, size - 1);
    std::memcpy(buffer, line.data(), line.size());
    buffer[line.size()] = '\0';
    return read;
}

CXString CFile::getLine()
{
    std::string line;
    readLine(line, LINE_BUFFER - 1);
    return CXString(line.c_str());
}

void CFile::putLine(const CXString& text)
{
    Write(text.c_str(), text.getLength());
}

bool CFile::eof()
{
    return stream_ && stream_->eof();
}

CXString CFile::getPath(CWindow* window, const CXString& name)
{
    const CXString full = fullPathOf(window, name);
    const CXString local = getLocalPath(full);
    std::vector<CXString> candidates;
    if (CLanguageOSVer* language = CWindowLink::languageOf(window))
        candidates = {language->getLocalFileName(local), language->getLocalFileName(full)};
    candidates.push_back(local);
    candidates.push_back(full);
    const auto found = std::find_if(candidates.begin(), candidates.end(), opensForReading);
    return found != candidates.end() ? *found : CXString();
}

CXString CFile::getLocalPath(const CXString& path)
{
    return movedUnder(CWindowLink::rootPath(), path);
}

CXString CFile::getCDPath(const CXString& path)
{
    return movedUnder(CWindowLink::cdPath(), path);
}

bool CFile::isHdd(const CXString& path)
{
    return driveIs(path, platform::DriveType::Fixed);
}

int CFile::chDir(const CXString& path)
{
    if (openArchive)
        return openArchive->ChDir(path);
    return platform::files().setCurrentFolder(path.c_str()) ? 0 : -1;
}

CXString CFile::getCurrentDirectory()
{
    CXString folder = openArchive ? openArchive->GetCurrentDirectoryA() : diskCurrentFolder();
    if (folder.lastChar() != '\\')
        folder += "\\";
    return folder;
}

int CFile::getCurrentDirectory(int size, char* buffer)
{
    if (!buffer || size <= 0)
        return 0;
    const CXString folder = openArchive ? openArchive->GetCurrentDirectoryA() : diskCurrentFolder();
    const int length = std::min(folder.getLength(), size - 1);
    std::memcpy(buffer, folder.c_str(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

int CFile::findFirst(const CXString& pattern, CFindData* data)
{
    if (!data)
        return -1;
    if (openArchive)
        return openArchive->FindFirst(pattern, data);
    const bool foldersOnly = (data->attrib & CFindData::SUBDIR) != 0;
    foundation::FindHandles& searches = foundation::FindHandles::process();
    const int handle = searches.start(pattern.c_str());
    platform::FileEntry entry;
    while (searches.next(handle, entry)) {
        if (!foldersOnly || entry.isFolder) {
            fill(data, entry);
            return handle;
        }
    }
    return -1;
}

int CFile::findNext(int handle, CFindData* data)
{
    if (!data)
        return -1;
    if (openArchive)
        return openArchive->FindNext(handle, data);
    platform::FileEntry entry;
    if (!foundation::FindHandles::process().next(handle, entry))
        return -1;
    fill(data, entry);
    return 0;
}

void CFile::findClose(int handle)
{
    // The archive's handles are its own; only disk searches are held here.
    if (!openArchive)
        foundation::FindHandles::process().close(handle);
}

int CFile::fSeek(CFile* file, int offset, int whence)
{
    if (openArchive && file == openArchive->GetFile())
        return openArchive->Seek(offset, whence);
    return file ? file->Seek(offset, whence) : -1;
}

int CFile::fTell(CFile* file)
{
    if (openArchive && file == openArchive->GetFile())
        return openArchive->Tell();
    return file ? file->Tell() : 0;
}

bool CFile::dirExists(const CXString& path)
{
    if (openArchive)
        return openArchive->DirExists(path);
    // Asked of the disk without changing the current folder.
    return platform::files().folderExists(path.c_str());
}

bool CFile::fileExists(const CXString& path)
{
    return openArchive ? openArchive->FileExists(path) : opensForReading(path);
}

void CFile::setBigFile(CArchiveFileSystem* archive)
{
    if (archive != openArchive.get())
        openArchive.reset(archive);
}

bool CFile::openBigFile(const CXString& name)
{
    auto archive = std::make_unique<CBigFile>(name, false);
    setBigFile(archive->LastError() == 0 ? archive.release() : nullptr);
    return openArchive != nullptr;
}

void CFile::closeBigFile()
{
    openArchive.reset();
}

CFile* CFile::getBigFileHandle()
{
    return openArchive ? openArchive->GetFile() : nullptr;
}

CArchiveFileSystem* CFile::getBigFileIfc()
{
    return openArchive.get();
}
