#include "platform/SndfileDecoder.h"

#include "platform/FileHandle.h"

#include <sndfile.h>

namespace platform {

namespace {

sf_count_t lengthOf(void* file)
{
    return static_cast<FileHandle*>(file)->size();
}

sf_count_t seekIn(sf_count_t offset, int whence, void* file)
{
    const SeekFrom from = whence == SEEK_CUR ? SeekFrom::Current : whence == SEEK_END ? SeekFrom::End : SeekFrom::Start;
    auto* handle = static_cast<FileHandle*>(file);
    return handle->seek(offset, from) ? handle->tell() : -1;
}

sf_count_t readFrom(void* buffer, sf_count_t count, void* file)
{
    return count <= 0 ? 0 : static_cast<sf_count_t>(static_cast<FileHandle*>(file)->read(buffer, static_cast<size_t>(count)));
}

sf_count_t refuseWrite(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t positionOf(void* file)
{
    return static_cast<FileHandle*>(file)->tell();
}

SF_VIRTUAL_IO fileCalls = {lengthOf, seekIn, readFrom, refuseWrite, positionOf};

class SndfileSound final : public DecodedSound {
public:
    SndfileSound(SNDFILE* sound, const SF_INFO& info) : sound_(sound), info_(info) {}
    ~SndfileSound() override { sf_close(sound_); }

    int sampleRate() const override { return info_.samplerate; }
    int channels() const override { return info_.channels; }
    int64_t frames() const override { return info_.frames; }
    int64_t readFrames(int16_t* out, int64_t frames) override { return sf_readf_short(sound_, out, frames); }

private:
    SNDFILE* sound_;
    SF_INFO info_;
};

} // namespace

std::unique_ptr<DecodedSound> SndfileDecoder::open(FileHandle& file)
{
    if (!file.seek(0, SeekFrom::Start))
        return nullptr;
    SF_INFO info{};
    SNDFILE* sound = sf_open_virtual(&fileCalls, SFM_READ, &info, &file);
    if (sound == nullptr)
        return nullptr;
    if (info.channels <= 0 || info.samplerate <= 0) {
        sf_close(sound);
        return nullptr;
    }
    return std::make_unique<SndfileSound>(sound, info);
}

} // namespace platform
