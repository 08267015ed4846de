#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace platform {

enum class FileMode {
    Read,   // the file must exist
    Write,  // created, or emptied when it exists
    Append, // created when missing; every write goes to the end
};

enum class SeekFrom { Start, Current, End };

// One open file: a buffered stream, closed when the handle goes. Files::open makes them.
class FileHandle {
public:
    // Opens a native path; update also allows the other direction (the C runtime's "+").
    static std::unique_ptr<FileHandle> open(const std::string& nativePath, FileMode mode, bool update);

    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Bytes moved; fewer than asked at the end of the file or on an error.
    size_t read(void* buffer, size_t count);
    size_t write(const void* data, size_t count);
    // Reads up to maxChars bytes of one line, the line break kept, like fgets; false at the end of
    // the file when nothing was read.
    bool readLine(std::string& line, size_t maxChars);
    bool seek(int64_t offset, SeekFrom from);
    // -1 once closed.
    int64_t tell() const;
    // The size in bytes; the position is kept. -1 once closed.
    int64_t size();
    // True once a read met the end of the file.
    bool eof() const;
    bool flush();
    // Flushes and closes; false when a write could not be completed. Later calls do nothing.
    bool close();
    bool isOpen() const { return stream_ != nullptr; }

private:
    explicit FileHandle(std::FILE* stream);
    std::FILE* stream_;
};

} // namespace platform
