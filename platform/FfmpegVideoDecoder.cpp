#include "platform/FfmpegVideoDecoder.h"

#include "platform/FfmpegVideoFile.h"
#include "platform/FileHandle.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

class FileSource final : public FfmpegByteSource {
public:
    explicit FileSource(FileHandle& file) : file_(file) {}

    size_t read(uint8_t* buffer, size_t size) override { return file_.read(buffer, size); }
    int64_t seek(int64_t offset, int whence) override
    {
        const SeekFrom from = whence == SEEK_CUR ? SeekFrom::Current : whence == SEEK_END ? SeekFrom::End : SeekFrom::Start;
        return file_.seek(offset, from) ? file_.tell() : -1;
    }
    int64_t size() override { return file_.size(); }

private:
    FileHandle& file_;
};

class MemorySource final : public FfmpegByteSource {
public:
    MemorySource(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(static_cast<int64_t>(size)) {}

    size_t read(uint8_t* buffer, size_t size) override
    {
        const size_t count = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(size), size_ - position_));
        std::memcpy(buffer, bytes_ + position_, count);
        position_ += static_cast<int64_t>(count);
        return count;
    }
    int64_t seek(int64_t offset, int whence) override
    {
        const int64_t base = whence == SEEK_CUR ? position_ : whence == SEEK_END ? size_ : 0;
        if (offset > size_ - base || offset < -base)
            return -1;
        position_ = base + offset;
        return position_;
    }
    int64_t size() override { return size_; }

private:
    const uint8_t* bytes_;
    int64_t size_;
    int64_t position_ = 0;
};

} // namespace

std::unique_ptr<VideoFile> FfmpegVideoDecoder::open(FileHandle& file, VideoPixels pixels)
{
    if (!file.seek(0, SeekFrom::Start))
        return nullptr;
    return FfmpegVideoFile::open(std::make_unique<FileSource>(file), pixels);
}

std::unique_ptr<VideoFile> FfmpegVideoDecoder::openMemory(const uint8_t* bytes, size_t size, VideoPixels pixels)
{
    return FfmpegVideoFile::open(std::make_unique<MemorySource>(bytes, size), pixels);
}

} // namespace platform
