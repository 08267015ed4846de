#pragma once

#include "platform/Files.h"

#include <string>
#include <vector>

namespace platform {

// Find-first / find-next over one listing: the matches of a pattern, taken when the search starts.
class FileSearch {
public:
    // Starts a search with Files::find.
    FileSearch(Files& files, const std::string& pattern);
    explicit FileSearch(std::vector<FileEntry> entries);

    // The next match; false once all were given.
    bool next(FileEntry& entry);
    bool empty() const { return entries_.empty(); }

private:
    std::vector<FileEntry> entries_;
    size_t position_ = 0;
};

} // namespace platform
