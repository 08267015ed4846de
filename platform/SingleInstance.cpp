#include "platform/SingleInstance.h"

#include "platform/ConfigFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {
std::mutex folderLock;
std::string chosenFolder;
} // namespace

SingleInstance::SingleInstance(const std::string& name)
{
    const std::string lockFolder = folder();
    if (!ConfigFolder::ensureExists(lockFolder))
        return;
    fd_ = ::open((lockFolder + "/" + name + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return;
    int result;
    while ((result = ::flock(fd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    first_ = result == 0 || errno != EWOULDBLOCK;
}

SingleInstance::~SingleInstance()
{
    // Closing the descriptor releases the lock; the file stays for the next copy.
    if (fd_ >= 0)
        ::close(fd_);
}

void SingleInstance::setFolder(const std::string& folder)
{
    std::lock_guard hold(folderLock);
    chosenFolder = folder;
}

std::string SingleInstance::folder()
{
    std::lock_guard hold(folderLock);
    return chosenFolder.empty() ? ConfigFolder::path() : chosenFolder;
}

} // namespace platform
