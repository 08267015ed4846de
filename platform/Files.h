#pragma once

#include "platform/FileHandle.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct FileEntry {
    std::string name; // code page 1250, as spelled on disk
    uint64_t size = 0;
    bool isFolder = false;
};

// The file system as games name it. Every path is a game path: code page 1250 text with "\" or
// "/" separators in any letter case, relative to the current folder, rooted at "/" or at a drive
// letter of drives() (see PathResolver).
class Files {
public:
    virtual ~Files() = default;

    // The native UTF-8 path a game path stands for (for libraries that open files themselves).
    virtual std::string nativePath(const std::string& path) const = 0;

    virtual std::unique_ptr<FileHandle> open(const std::string& path, FileMode mode, bool update = false) = 0;
    // Name, size and folder flag of one entry; false when it does not exist.
    virtual bool stat(const std::string& path, FileEntry& entry) = 0;
    // A file (not a folder) that can be opened for reading.
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool folderExists(const std::string& path) = 0;

    // The entries of one folder whose names fit the pattern's last component (Wildcard), "." and
    // ".." included when they fit, as Windows lists them: "Dane\*.CNV", "*.*". A snapshot taken
    // now, sorted by name regardless of case ("." and ".." first); names that code page 1250
    // cannot spell are left out, since a game could not name them.
    virtual std::vector<FileEntry> find(const std::string& pattern) = 0;

    // The process's current folder in game form, "C:\home\anna\game" (no trailing backslash
    // except at a drive's root); empty when it cannot be read.
    virtual std::string currentFolder() = 0;
    virtual bool setCurrentFolder(const std::string& path) = 0;

    // One folder; its parent must exist. False when it already exists.
    virtual bool makeFolder(const std::string& path) = 0;
    // A whole copy appears at once or not at all. Without overwrite an existing target fails.
    virtual bool copyFile(const std::string& from, const std::string& to, bool overwrite) = 0;
    virtual bool removeFile(const std::string& path) = 0;
    // A file, or a folder with everything in it (links are removed, not followed). Refuses the
    // root of the file system, a drive's folder and the home folder.
    virtual bool removeTree(const std::string& path) = 0;
};

// The file system of the process.
Files& files();
// Installs a file system for the whole process (tests); null restores the real one.
void setFiles(Files* replacement);

} // namespace platform
