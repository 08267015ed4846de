#include "platform/PosixFiles.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "platform/Drives.h"
#include "platform/PathResolver.h"
#include "platform/Wildcard.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool statNative(const std::string& nativePath, struct stat& info)
{
    return !nativePath.empty() && ::stat(nativePath.c_str(), &info) == 0;
}

FileEntry entryFrom(std::string name, const struct stat& info)
{
    const bool isFolder = S_ISDIR(info.st_mode);
    return FileEntry{std::move(name), isFolder ? 0 : static_cast<uint64_t>(info.st_size), isFolder};
}

bool isDotEntry(const std::string& name)
{
    return name == "." || name == "..";
}

bool listedBefore(const FileEntry& a, const FileEntry& b)
{
    if (isDotEntry(a.name) != isDotEntry(b.name))
        return isDotEntry(a.name);
    const int order = Cp1250::compareIgnoreCase(a.name, b.name);
    return order != 0 ? order < 0 : a.name < b.name;
}

// Where the pattern's folder ends: after its last separator, or after a bare drive ("C:*.*").
size_t folderLength(const std::string& pattern)
{
    const auto separator = pattern.find_last_of("\\/");
    if (separator != std::string::npos)
        return separator + 1;
    return pattern.size() >= 2 && pattern[1] == ':' ? 2 : 0;
}

std::string canonical(const std::string& nativePath)
{
    std::error_code error;
    auto path = std::filesystem::weakly_canonical(std::filesystem::absolute(nativePath, error), error);
    return error ? std::string() : path.string();
}

// Folders whose loss would wipe far more than a game: "/", a drive's folder, the home folder.
bool isProtectedFolder(const std::string& nativePath)
{
    const std::string target = canonical(nativePath);
    if (target.empty() || target == "/")
        return true;
    const char* home = std::getenv("HOME");
    if (home && *home && canonical(home) == target)
        return true;
    const auto all = drives().list();
    return std::any_of(all.begin(), all.end(), [&target](const Drive& drive) { return canonical(drive.folder) == target; });
}

} // namespace

std::string PosixFiles::nativePath(const std::string& path) const
{
    return PathResolver(drives()).toNative(path);
}

std::unique_ptr<FileHandle> PosixFiles::open(const std::string& path, FileMode mode, bool update)
{
    const std::string native = nativePath(path);
    struct stat info;
    // The C runtime of Linux opens folders for reading; games expect that to fail.
    if (statNative(native, info) && S_ISDIR(info.st_mode))
        return nullptr;
    return FileHandle::open(native, mode, update);
}

bool PosixFiles::stat(const std::string& path, FileEntry& entry)
{
    const std::string native = nativePath(path);
    struct stat info;
    if (!statNative(native, info))
        return false;
    std::string name;
    Cp1250::fromUtf8(std::filesystem::path(native).filename().string(), name);
    entry = entryFrom(std::move(name), info);
    return true;
}

bool PosixFiles::fileExists(const std::string& path)
{
    const std::string native = nativePath(path);
    struct stat info;
    return statNative(native, info) && !S_ISDIR(info.st_mode) && ::access(native.c_str(), R_OK) == 0;
}

bool PosixFiles::folderExists(const std::string& path)
{
    struct stat info;
    return statNative(nativePath(path), info) && S_ISDIR(info.st_mode);
}

std::vector<FileEntry> PosixFiles::find(const std::string& pattern)
{
    std::vector<FileEntry> entries;
    const size_t split = folderLength(pattern);
    const std::string namePattern = pattern.substr(split);
    const std::string folder = split == 0 ? std::string(".") : nativePath(pattern.substr(0, split));
    if (namePattern.empty() || folder.empty())
        return entries;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return entries;
    const int folderFd = ::dirfd(dir);
    std::string name;
    while (const dirent* found = ::readdir(dir)) {
        if (!Cp1250::fromUtf8(found->d_name, name) || !Wildcard::matches(namePattern, name))
            continue;
        struct stat info;
        if (::fstatat(folderFd, found->d_name, &info, 0) != 0 && ::fstatat(folderFd, found->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        entries.push_back(entryFrom(name, info));
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), listedBefore);
    return entries;
}

std::string PosixFiles::currentFolder()
{
    std::error_code error;
    const auto native = std::filesystem::current_path(error);
    return error ? std::string() : PathResolver(drives()).toGame(native.string());
}

bool PosixFiles::setCurrentFolder(const std::string& path)
{
    const std::string native = nativePath(path);
    return !native.empty() && ::chdir(native.c_str()) == 0;
}

bool PosixFiles::makeFolder(const std::string& path)
{
    const std::string native = nativePath(path);
    return !native.empty() && ::mkdir(native.c_str(), 0777) == 0;
}

bool PosixFiles::copyFile(const std::string& from, const std::string& to, bool overwrite)
{
    auto source = open(from, FileMode::Read, false);
    const std::string target = nativePath(to);
    struct stat info;
    if (!source || target.empty() || (!overwrite && statNative(target, info)))
        return false;
    AtomicFile copy(target);
    char buffer[65536];
    size_t count;
    while ((count = source->read(buffer, sizeof buffer)) > 0)
        if (!copy.write(buffer, count))
            return false;
    // A read error ends the loop before the end of the file.
    return source->eof() && copy.commit();
}

bool PosixFiles::removeFile(const std::string& path)
{
    const std::string native = nativePath(path);
    struct stat info;
    return statNative(native, info) && !S_ISDIR(info.st_mode) && ::unlink(native.c_str()) == 0;
}

bool PosixFiles::removeTree(const std::string& path)
{
    const std::string native = nativePath(path);
    struct stat info;
    if (::lstat(native.c_str(), &info) != 0 || isProtectedFolder(native))
        return false;
    std::error_code error;
    std::filesystem::remove_all(native, error);
    return !error;
}

} // namespace platform
