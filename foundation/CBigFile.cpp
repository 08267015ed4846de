#include "foundation/CBigFile.h"

#include "foundation/BigFileTable.h"
#include "foundation/CFile.h"
#include "foundation/CFindData.h"
#include "foundation/CStringTokenizer.h"
#include "foundation/CXArchive.h"
#include "platform/FileHandle.h"
#include "platform/Files.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

namespace {

using Entry = CBigFile::_entry;
using File = CBigFile::_file;

constexpr int kReadBinary = CFile::READ | CFile::BINARY;
// Unfinished searches kept at most; a listing abandoned halfway must not be kept forever.
constexpr size_t kMaxSearches = 64;
// Member bytes are copied in pieces of this size.
constexpr int kCopyPiece = 64 * 1024;

bool sameName(const CXString& a, const CXString& b)
{
    return a.equalsIgnoreCase(b);
}

CXString lowerCased(const CXString& text)
{
    CXString lower(text);
    lower.Lower();
    return lower;
}

// The path of a member on disk: the folder names from the root (whose name is the source
// folder) joined with backslashes, then the file's name.
CXString diskPathOf(const File& file)
{
    std::vector<const Entry*> chain;
    for (const Entry* folder = file.folder; folder != nullptr; folder = folder->parent)
        chain.push_back(folder);
    CXString path;
    for (auto folder = chain.rbegin(); folder != chain.rend(); ++folder) {
        path += (*folder)->name;
        path += '\\';
    }
    path += file.name;
    return path;
}

// Builds the records of one folder on disk and everything below it, in the order of the
// listing; counts the files and folders into the header and their bytes into total.
bool scanFolder(const CXString& path, Entry& folder, int depth, CBigFile::_rootentry& header, int64_t& total)
{
    for (const platform::FileEntry& entry : platform::files().find(std::string(path.c_str()) + "\\*.*")) {
        if (entry.name == "." || entry.name == "..")
            continue;
        if (entry.isFolder) {
            if (depth == CBigFile::MAX_DEPTH)
                return false;
            auto child = std::make_unique<Entry>();
            child->name = entry.name.c_str();
            child->parent = &folder;
            if (!scanFolder(path + "\\" + child->name, *child, depth + 1, header, total))
                return false;
            folder.folders.push_back(std::move(child));
            ++header.folders;
        } else {
            if (entry.size > static_cast<uint64_t>(INT_MAX))
                return false;
            auto file = std::make_unique<File>();
            file->name = entry.name.c_str();
            file->size = static_cast<int>(entry.size);
            file->folder = &folder;
            total += file->size;
            folder.files.push_back(std::move(file));
            ++header.files;
        }
    }
    return true;
}

// Writes exactly the member's recorded size to out: what the file on disk still gives, then
// zeros in place of anything missing. False when the file did not give it all or out did not
// take it. The file is read from the very place the listing found it, not through CFile's
// candidate search, which could pick another file of the same name.
bool copyMember(CFile& out, const File& member)
{
    const std::unique_ptr<platform::FileHandle> source =
        platform::files().open(diskPathOf(member).c_str(), platform::FileMode::Read);
    std::vector<char> piece(static_cast<size_t>(std::min(member.size, kCopyPiece)));
    bool readable = source != nullptr;
    bool written = true;
    for (int left = member.size; left > 0;) {
        const int wanted = std::min(left, kCopyPiece);
        const int got = readable ? static_cast<int>(source->read(piece.data(), static_cast<size_t>(wanted))) : 0;
        if (got < wanted) {
            std::fill(piece.begin() + got, piece.begin() + wanted, '\0');
            readable = false;
        }
        written = out.Write(piece.data(), wanted) == wanted && written;
        left -= wanted;
    }
    return readable && written;
}

} // namespace

CBigFile::CBigFile(bool verbose, const CXString&) : verbose_(verbose), currentFolder_(nullptr), lastSearch_(0)
{
}

CBigFile::CBigFile(const CXString& name, bool verbose, const CXString&)
    : verbose_(verbose), currentFolder_(nullptr), lastSearch_(0)
{
    open(name);
}

CBigFile::~CBigFile() = default;

void CBigFile::open(const CXString& name)
{
    auto file = std::make_unique<CFile>(nullptr, name, kReadBinary);
    const int size = file->GetHandle() != nullptr ? file->Length() : -1;
    std::unique_ptr<_rootentry> header = size >= 0 ? BigFileTable::read(*file, size) : nullptr;
    if (!header) {
        setErrorCode(NOT_OPENED);
        return;
    }
    file->Seek(0, 0);
    file_ = std::move(file);
    header_ = std::move(header);
    currentFolder_ = header_->root.get();
}

const CBigFile::_file* CBigFile::findMember(const CXString& path) const
{
    if (!header_)
        return nullptr;
    CXString rest = path;
    const _entry* start = currentFolder_;
    int separator = rest.Find('\\');
    if (separator == 0) {
        rest = rest.Right(1);
        separator = rest.Find('\\');
        start = header_->root.get();
    }
    const CXString first = separator > 0 ? rest.Left(separator) : CXString();
    if (separator >= 0)
        rest = rest.Right(separator + 1);
    return lookup(first, rest, start);
}

// Goes down the folder named first, when there is one; falls back to the files of this folder
// when the rest is a bare name that the folder below does not hold.
const CBigFile::_file* CBigFile::lookup(const CXString& first, const CXString& rest, const _entry* folder) const
{
    for (const auto& child : folder->folders) {
        if (!sameName(child->name, first))
            continue;
        const int separator = rest.Find('\\');
        if (separator >= 0)
            return lookup(rest.Left(separator), rest.Right(separator + 1), child.get());
        if (const _file* found = lookup(first, rest, child.get()))
            return found;
        break;
    }
    if (!rest.IsString())
        return nullptr;
    const _file* found = nullptr;
    for (const auto& file : folder->files) {
        if (sameName(file->name, rest))
            found = file.get(); // the last of equal names
    }
    return found;
}

int CBigFile::GetSize(const CXString& path)
{
    const _file* member = findMember(path);
    return member != nullptr ? member->size : 0;
}

int CBigFile::Seek(const CXString& path)
{
    const _file* member = findMember(path);
    if (member == nullptr || file_->Seek(member->offset, 0) != 0)
        return -1;
    return member->offset;
}

int CBigFile::Seek(int offset, int whence)
{
    return file_ ? file_->Seek(offset, whence) : -1;
}

int CBigFile::Tell()
{
    return file_ ? file_->Tell() : 0;
}

CFile* CBigFile::GetFile()
{
    return file_.get();
}

std::unique_ptr<CFile> CBigFile::OpenMember(const CXString& path)
{
    const _file* member = findMember(path);
    if (member == nullptr)
        return nullptr;
    // The full path the archive was opened by, so the search finds the same file again.
    auto reader = std::make_unique<CFile>(nullptr, file_->getFileName(), kReadBinary);
    if (reader->GetHandle() == nullptr || reader->Seek(member->offset, 0) != 0)
        return nullptr;
    return reader;
}

bool CBigFile::FileExists(const CXString& path)
{
    return findMember(path) != nullptr;
}

bool CBigFile::DirExists(const CXString&)
{
    return true;
}

int CBigFile::ChDir(const CXString&)
{
    return 0;
}

CXString CBigFile::GetCurrentDirectoryA()
{
    if (!header_)
        return CXString(platform::files().currentFolder().c_str());
    CXString path = header_->rootPath;
    if (path.lastChar() == '\\')
        path.left(path.getLength() - 1);
    return path;
}

// The folder a path names, walked down from the current folder (from the root when the path
// begins with a backslash); null when a name on the way is not there.
const CBigFile::_entry* CBigFile::findFolder(const CXString& path) const
{
    const _entry* folder = path.GetAt(0) == '\\' ? header_->root.get() : currentFolder_;
    CStringTokenizer names(path, "\\");
    while (folder != nullptr && names.hasMoreTokens()) {
        const CXString name = names.nextToken();
        const _entry* below = nullptr;
        for (const auto& child : folder->folders) {
            if (sameName(child->name, name)) {
                below = child.get();
                break;
            }
        }
        folder = below;
    }
    return folder;
}

int CBigFile::FindFirst(const CXString& pattern, CFindData* data)
{
    if (!header_ || data == nullptr)
        return -1;
    Search search;
    const int separator = pattern.FindLast('\\');
    search.folder = separator >= 0 ? findFolder(pattern.Left(separator + 1)) : currentFolder_;
    search.pattern = separator >= 0 ? pattern.Right(separator + 1) : pattern;
    search.foldersOnly = (data->attrib & CFindData::SUBDIR) != 0;
    if (search.folder == nullptr || !nextMatch(search, data))
        return -1;
    if (searches_.size() == kMaxSearches)
        searches_.erase(searches_.begin());
    lastSearch_ = lastSearch_ == INT_MAX ? 0 : lastSearch_ + 1;
    searches_[lastSearch_] = search;
    return lastSearch_;
}

int CBigFile::FindNext(int handle, CFindData* data)
{
    const auto running = searches_.find(handle);
    if (running == searches_.end() || data == nullptr)
        return -1;
    if (nextMatch(running->second, data))
        return 0;
    searches_.erase(running);
    return -1;
}

bool CBigFile::nextMatch(Search& search, CFindData* data) const
{
    const _entry& folder = *search.folder;
    const int files = static_cast<int>(folder.files.size());
    const int entries = files + static_cast<int>(folder.folders.size());
    while (search.next < entries) {
        const int index = search.next++;
        const bool isFolder = index >= files;
        if (search.foldersOnly && !isFolder)
            continue;
        const CXString name = lowerCased(isFolder ? folder.folders[index - files]->name : folder.files[index]->name);
        if (search.pattern.FilterFits(name)) {
            data->name = name;
            data->attrib = isFolder ? CFindData::SUBDIR : 0;
            data->size = isFolder ? 0 : folder.files[index]->size;
            return true;
        }
    }
    return false;
}

bool CBigFile::Create(const CXString& folder, const CXString& name, const CXString& output)
{
    _rootentry header;
    header.name = name;
    header.rootPath = "\\";
    header.root = std::make_unique<_entry>();
    header.root->name = folder;
    int64_t total = 0;
    if (!scanFolder(folder, *header.root, 0, header, total))
        return false;
    const int64_t tableSize = BigFileTable::size(header);
    // Offsets and sizes are 32-bit in the layout.
    if (tableSize + total > INT_MAX)
        return false;
    header.totalSize = static_cast<int>(total);
    int64_t offset = tableSize;
    BigFileTable::forEachFile(*header.root, [&offset](_file& file) {
        file.offset = static_cast<int>(offset);
        offset += file.size;
    });
    if (verbose_) {
        std::printf("Big file name: %s.\n", name.c_str());
        std::printf("Number of folders: %d.\n", header.folders);
        std::printf("Number of files: %d.\n", header.files);
        std::printf("Total size: %d bytes.\n", header.totalSize);
        std::printf("TOC size: %d bytes.\n", static_cast<int>(tableSize));
    }

    CFile out(nullptr, output, CFile::UPDATE | CFile::BINARY);
    if (out.GetHandle() == nullptr)
        return false;
    CXArchive archive(&out, true);
    bool complete = BigFileTable::write(archive, header);
    if (verbose_)
        std::printf("TOC saved.\n");
    int saved = 0;
    BigFileTable::forEachFile(*header.root, [&](_file& file) {
        complete = copyMember(out, file) && complete;
        if (verbose_)
            std::printf("\r%48s\rFile %d of %d saved.", "", ++saved, header.files);
    });
    return out.Close() == 0 && archive.LastError() == 0 && complete;
}
