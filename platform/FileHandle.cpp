#include "platform/FileHandle.h"

namespace platform {

namespace {
const char* modeString(FileMode mode, bool update)
{
    switch (mode) {
    case FileMode::Read:
        return update ? "r+b" : "rb";
    case FileMode::Write:
        return update ? "w+b" : "wb";
    case FileMode::Append:
        return update ? "a+b" : "ab";
    }
    return "rb";
}
} // namespace

std::unique_ptr<FileHandle> FileHandle::open(const std::string& nativePath, FileMode mode, bool update)
{
    if (nativePath.empty())
        return nullptr;
    std::FILE* stream = std::fopen(nativePath.c_str(), modeString(mode, update));
    if (!stream)
        return nullptr;
    return std::unique_ptr<FileHandle>(new FileHandle(stream));
}

FileHandle::FileHandle(std::FILE* stream) : stream_(stream) {}

FileHandle::~FileHandle()
{
    close();
}

size_t FileHandle::read(void* buffer, size_t count)
{
    return stream_ && count > 0 ? std::fread(buffer, 1, count, stream_) : 0;
}

size_t FileHandle::write(const void* data, size_t count)
{
    return stream_ && count > 0 ? std::fwrite(data, 1, count, stream_) : 0;
}

bool FileHandle::readLine(std::string& line, size_t maxChars)
{
    line.clear();
    if (!stream_)
        return false;
    while (line.size() < maxChars) {
        const int c = std::fgetc(stream_);
        if (c == EOF)
            break;
        line += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    return !line.empty();
}

bool FileHandle::seek(int64_t offset, SeekFrom from)
{
    const int whence = from == SeekFrom::Start ? SEEK_SET : from == SeekFrom::Current ? SEEK_CUR : SEEK_END;
    return stream_ && fseeko(stream_, static_cast<off_t>(offset), whence) == 0;
}

int64_t FileHandle::tell() const
{
    return stream_ ? static_cast<int64_t>(ftello(stream_)) : -1;
}

int64_t FileHandle::size()
{
    if (!stream_)
        return -1;
    const int64_t position = tell();
    if (position < 0 || !seek(0, SeekFrom::End))
        return -1;
    const int64_t end = tell();
    seek(position, SeekFrom::Start);
    return end;
}

bool FileHandle::eof() const
{
    return stream_ && std::feof(stream_);
}

bool FileHandle::flush()
{
    return stream_ && std::fflush(stream_) == 0;
}

bool FileHandle::close()
{
    if (!stream_)
        return true;
    const bool ok = std::fclose(stream_) == 0;
    stream_ = nullptr;
    return ok;
}

} // namespace platform
