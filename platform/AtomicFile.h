#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Writes a file so that readers see either its old bytes or all of the new ones: the bytes go to
// a new file beside it, which is synced and then renamed over the target. A crash before the
// rename leaves the target as it was (and a stray "<name>.<pid>.<n>.tmp" that nothing reads).
class AtomicFile {
public:
    enum class Durability {
        Synced,   // the bytes reach the disk before the rename: settings that must survive a crash
        Unsynced, // only the all-or-nothing rename: large files fetched again when a crash lost them
    };

    // Starts the temporary file beside nativePath; check isOpen().
    explicit AtomicFile(const std::string& nativePath, Durability durability = Durability::Synced);
    // Discards the temporary file unless commit() succeeded.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool write(std::string_view bytes);
    bool write(const void* data, size_t count);
    // Syncs (when Synced) and renames over the target; the target keeps its permissions. False
    // when anything failed, the target then being untouched.
    bool commit();

    // Writes a whole file at once.
    static bool replace(const std::string& nativePath, std::string_view bytes);
    // The folder that holds a native path ("." for a bare name).
    static std::string folderOf(const std::string& nativePath);
    // Reads a whole file; false when it does not open.
    static bool readAll(const std::string& nativePath, std::string& bytes);

    // Test hook: commit() stops after the temporary file is complete, as if the process died just
    // before the rename, leaving the temporary file behind.
    static void simulateCrashBeforeRename(bool crash);

private:
    void discard();
    std::string target_;
    std::string temporary_;
    Durability durability_;
    int fd_ = -1;
    bool failed_ = false;
};

} // namespace platform
