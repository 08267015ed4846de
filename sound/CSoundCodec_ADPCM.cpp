#include "sound/CSoundCodec_ADPCM.h"

#include "foundation/CDataBuffer.h"
#include "foundation/CFile.h"
#include "platform/SoundDecoder.h"

#include <vector>

bool CSoundCodec_ADPCM::bound = false;

void CSoundCodec_ADPCM::initialize(CWindow*)
{
    bound = true;
}

void CSoundCodec_ADPCM::done()
{
    bound = false;
}

void CSoundCodec_ADPCM::decode(CFile* file)
{
    flush();
    format_ = WAVEFORMATEX();
    if (!bound)
        initialize(nullptr);
    if (file->GetHandle() == nullptr)
        return;
    std::unique_ptr<platform::DecodedSound> sound = platform::soundDecoder().open(*file->GetHandle());
    if (sound == nullptr || sound->channels() > 2)
        return;
    // The frame count in the header is not trusted: frames are read until the decoder runs dry.
    const int64_t frameBytes = int64_t(sound->channels()) * 2;
    std::vector<int16_t> samples;
    constexpr int64_t kChunk = 4096;
    for (int64_t read = 0;; read += kChunk) {
        if ((read + kChunk) * frameBytes > MAX_BYTES)
            return;
        samples.resize(static_cast<size_t>((read + kChunk) * sound->channels()));
        const int64_t got = sound->readFrames(samples.data() + read * sound->channels(), kChunk);
        if (got < kChunk) {
            samples.resize(static_cast<size_t>((read + std::max<int64_t>(got, 0)) * sound->channels()));
            break;
        }
    }
    format_.formatTag = WAVEFORMATEX::PCM;
    format_.channels = static_cast<uint16_t>(sound->channels());
    format_.samplesPerSec = static_cast<uint32_t>(sound->sampleRate());
    format_.blockAlign = static_cast<uint16_t>(frameBytes);
    format_.avgBytesPerSec = format_.samplesPerSec * format_.blockAlign;
    format_.bitsPerSample = 16;
    data_ = std::make_unique<CDataBuffer>(samples.data(), static_cast<int>(samples.size()), 2);
}
