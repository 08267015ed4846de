#pragma once

#include "platform/Files.h"

namespace platform {

// The file system through POSIX calls, paths resolved over the process's drives().
class PosixFiles final : public Files {
public:
    std::string nativePath(const std::string& path) const override;
    std::unique_ptr<FileHandle> open(const std::string& path, FileMode mode, bool update) override;
    bool stat(const std::string& path, FileEntry& entry) override;
    bool fileExists(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::vector<FileEntry> find(const std::string& pattern) override;
    std::string currentFolder() override;
    bool setCurrentFolder(const std::string& path) override;
    bool makeFolder(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool overwrite) override;
    bool removeFile(const std::string& path) override;
    bool removeTree(const std::string& path) override;
};

} // namespace platform
