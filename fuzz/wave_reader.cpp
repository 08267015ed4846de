// Reads hostile bytes as a WAVE file the three ways the engine does: decoded whole by the PCM
// codec, and streamed, looping and not, with its refills run on a manual clock. Nothing may come
// out of the file that is not in it.
#include "foundation/CDataBuffer.h"
#include "foundation/CFile.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/FileHandle.h"
#include "platform/Files.h"
#include "platform/HeadlessAudioDevice.h"
#include "platform/ManualClock.h"
#include "platform/TimerService.h"
#include "sound/CSndStream.h"
#include "sound/CSoundCodec.h"
#include "sound/CStreamedWAV.h"
#include "tests/platform/TempFolder.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct Services {
    Services()
    {
        drives.set('F', folder.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives);
        platform::setClock(&clock);
        platform::setTimers(&timers);
        platform::setAudio(&audio);
        audio.open();
        CSoundCodec::init_codecs();
    }
    TempFolder folder;
    platform::DriveMap drives;
    platform::ManualClock clock;
    platform::TimerService timers{platform::TimerService::Mode::Manual, &clock};
    platform::HeadlessAudioDevice audio{8000, 1, &clock};
};

const char* wavePath(const uint8_t* data, size_t size)
{
    static Services services;
    std::unique_ptr<platform::FileHandle> out = platform::files().open("F:\\fuzz.wav", platform::FileMode::Write);
    if (out == nullptr || out->write(data, size) != size)
        std::abort();
    return "F:\\fuzz.wav";
}

void decodeWhole(const char* path, size_t size)
{
    CFile file(nullptr, path, CFile::READ | CFile::BINARY);
    CSoundCodec* codec = CSoundCodec::getCodec(1);
    codec->decode(&file);
    if (codec->getData() != nullptr && static_cast<size_t>(codec->getData()->getCount()) > size)
        std::abort();
    codec->flush();
}

void readStreamed(const char* path, size_t size)
{
    WAVEFORMATEX format;
    CStreamedWAV reader(nullptr, path, &format);
    std::vector<unsigned char> piece(4096);
    size_t total = 0;
    for (int got; (got = reader.Read(static_cast<int>(piece.size()), piece.data())) > 0;)
        total += static_cast<size_t>(got);
    if (total > size || reader.getPosition() != static_cast<int>(total))
        std::abort();
}

void playStreamed(const char* path, bool loop)
{
    auto& clock = static_cast<platform::ManualClock&>(platform::clock());
    CSndStream stream(nullptr, path);
    stream.Play(loop);
    for (int step = 0; step < 6; ++step) {
        clock.advance(50);
        platform::timers().runDue();
    }
    stream.Pause();
    stream.Resume();
    clock.advance(50);
    platform::timers().runDue();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* path = wavePath(data, size);
    decodeWhole(path, size);
    readStreamed(path, size);
    playStreamed(path, true);
    playStreamed(path, false);
    return 0;
}
