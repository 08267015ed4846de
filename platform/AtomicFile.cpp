#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
std::atomic<bool> crashBeforeRename{false};
std::atomic<unsigned> temporaryCounter{0};

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

std::string AtomicFile::folderOf(const std::string& nativePath)
{
    const auto slash = nativePath.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : nativePath.substr(0, slash);
}

AtomicFile::AtomicFile(const std::string& nativePath, Durability durability) : target_(nativePath), durability_(durability)
{
    if (target_.empty())
        return;
    temporary_ = target_ + "." + std::to_string(::getpid()) + "." + std::to_string(temporaryCounter++) + ".tmp";
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

AtomicFile::~AtomicFile()
{
    discard();
}

void AtomicFile::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temporary_.c_str());
    }
}

bool AtomicFile::write(std::string_view bytes)
{
    return write(bytes.data(), bytes.size());
}

bool AtomicFile::write(const void* data, size_t count)
{
    auto* cursor = static_cast<const char*>(data);
    while (fd_ >= 0 && !failed_ && count > 0) {
        const ssize_t written = ::write(fd_, cursor, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            failed_ = true;
        else
            cursor += written, count -= static_cast<size_t>(written);
    }
    return fd_ >= 0 && !failed_;
}

bool AtomicFile::commit()
{
    const bool synced = durability_ == Durability::Synced;
    if (fd_ < 0 || failed_ || (synced && ::fsync(fd_) != 0)) {
        discard();
        return false;
    }
    struct stat existing;
    if (::stat(target_.c_str(), &existing) == 0)
        ::fchmod(fd_, existing.st_mode & 07777);
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (crashBeforeRename.load())
        return false;
    if (!closed || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        ::unlink(temporary_.c_str());
        return false;
    }
    if (synced)
        syncFolder(folderOf(target_));
    return true;
}

bool AtomicFile::replace(const std::string& nativePath, std::string_view bytes)
{
    AtomicFile file(nativePath);
    return file.write(bytes) && file.commit();
}

bool AtomicFile::readAll(const std::string& nativePath, std::string& bytes)
{
    bytes.clear();
    const int fd = ::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[16384];
    bool ok = true;
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            ok = count == 0;
            break;
        }
        bytes.append(buffer, static_cast<size_t>(count));
    }
    ::close(fd);
    return ok;
}

void AtomicFile::simulateCrashBeforeRename(bool crash)
{
    crashBeforeRename.store(crash);
}

} // namespace platform
