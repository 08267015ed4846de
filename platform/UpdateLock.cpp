#include "platform/UpdateLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

UpdateLock::UpdateLock(const std::string& folder)
{
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

UpdateLock::~UpdateLock()
{
    // Closing the descriptor releases the lock.
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace platform
