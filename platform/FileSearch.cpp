#include "platform/FileSearch.h"

namespace platform {

FileSearch::FileSearch(Files& files, const std::string& pattern) : entries_(files.find(pattern)) {}

FileSearch::FileSearch(std::vector<FileEntry> entries) : entries_(std::move(entries)) {}

bool FileSearch::next(FileEntry& entry)
{
    if (position_ >= entries_.size())
        return false;
    entry = entries_[position_++];
    return true;
}

} // namespace platform
