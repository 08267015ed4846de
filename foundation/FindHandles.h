#pragma once

#include "platform/FileSearch.h"

#include <map>
#include <string>

namespace foundation {

// The running disk searches of CFile::findFirst, by handle. A search is dropped once it has
// given its last entry, or when it is closed. Main thread only.
class FindHandles {
public:
    // Starts a search and returns its handle (>= 1).
    int start(const std::string& pattern);
    // The next entry of a running search; false (and the search dropped) once it ended.
    bool next(int handle, platform::FileEntry& entry);
    void close(int handle);
    size_t running() const { return searches_.size(); }

    // The searches of the process.
    static FindHandles& process();

private:
    int freeHandle();

    std::map<int, platform::FileSearch> searches_;
    int lastHandle_ = 0;
};

} // namespace foundation
