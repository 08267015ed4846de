#include "platform/SdlAudioDevice.h"

#include <SDL.h>

namespace platform {

namespace {
constexpr int kRate = 44100;
constexpr uint16_t kChannels = 2;
// About 23 ms a block at 44.1 kHz: the stream refills every 50 ms stay well ahead of it.
constexpr uint16_t kBlockFrames = 1024;
} // namespace

SdlAudioDevice::SdlAudioDevice() : mixer_(kRate, kChannels) {}

SdlAudioDevice::~SdlAudioDevice()
{
    close();
}

bool SdlAudioDevice::open()
{
    if (device_ != 0)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kChannels;
    wanted.samples = kBlockFrames;
    wanted.callback = fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mixer_.setOutput(static_cast<uint32_t>(obtained.freq), kChannels);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlAudioDevice::close()
{
    if (device_ == 0)
        return;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<AudioBuffer> SdlAudioDevice::createBuffer(const AudioFormat& format, uint32_t bytes)
{
    return device_ != 0 ? mixer_.createBuffer(format, bytes) : nullptr;
}

void SdlAudioDevice::fill(void* device, uint8_t* stream, int length)
{
    auto& mixer = static_cast<SdlAudioDevice*>(device)->mixer_;
    const auto frames = static_cast<uint32_t>(length) / (sizeof(int16_t) * kChannels);
    mixer.mix(reinterpret_cast<int16_t*>(stream), frames);
}

} // namespace platform
