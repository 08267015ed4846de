#include "foundation/FindHandles.h"

#include "platform/Files.h"

#include <climits>

namespace foundation {

int FindHandles::start(const std::string& pattern)
{
    const int handle = freeHandle();
    searches_.emplace(handle, platform::FileSearch(platform::files(), pattern));
    return handle;
}

bool FindHandles::next(int handle, platform::FileEntry& entry)
{
    const auto found = searches_.find(handle);
    if (found == searches_.end())
        return false;
    if (found->second.next(entry))
        return true;
    searches_.erase(found);
    return false;
}

void FindHandles::close(int handle)
{
    searches_.erase(handle);
}

int FindHandles::freeHandle()
{
    do
        lastHandle_ = lastHandle_ == INT_MAX ? 1 : lastHandle_ + 1;
    while (searches_.count(lastHandle_) != 0);
    return lastHandle_;
}

FindHandles& FindHandles::process()
{
    static FindHandles handles;
    return handles;
}

} // namespace foundation
