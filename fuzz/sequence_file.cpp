// Sequence definition files from hostile text, read the way the SEQUENCE object reads them, with
// a resources manager and without: the tree they make is played on the manual clock (its sound
// a short WAVE of the scratch drive, its animations missing), paused, resumed, walked and
// deleted. Whatever the text, the tree must stay finite and everything made must go.
#include "fuzz/ScratchDrive.h"
#include "foundation/CFile.h"
#include "foundation/CResourcesManager.h"
#include "foundation/CXArray.h"
#include "foundation/CXRandom.h"
#include "graphics/CAnimationManager.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/Files.h"
#include "platform/HeadlessAudioDevice.h"
#include "platform/ManualClock.h"
#include "sound/CMultimediaSequenceCreator.h"
#include "sound/CSequencedPlayable.h"
#include "sound/CSoundCodec.h"
#include "sound/CSoundManager.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

void write(const char* path, const std::string& bytes)
{
    std::unique_ptr<platform::FileHandle> out = platform::files().open(path, platform::FileMode::Write);
    if (out == nullptr || out->write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
}

std::string le32(uint32_t value)
{
    return std::string{char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

// 40 ms of 8-bit mono silence at 8 kHz.
std::string shortWave()
{
    const std::string samples(320, char(0x80));
    const std::string format = std::string("\x01\x00\x01\x00", 4) + le32(8000) + le32(8000) + std::string("\x01\x00\x08\x00", 4);
    const std::string body = "WAVEfmt " + le32(uint32_t(format.size())) + format + "data" + le32(uint32_t(samples.size())) + samples;
    return "RIFF" + le32(uint32_t(body.size())) + body;
}

struct World {
    World()
    {
        platform::setClock(&clock);
        platform::setAudio(&audio);
        audio.open();
        CSoundCodec::init_codecs();
        CAnimationManager::install(&animations);
        CSoundManager::install(&sounds);
        CXRandom::seed(1);
        write("C:\\s.wav", shortWave());
    }

    ScratchDrive drive;
    platform::ManualClock clock;
    platform::HeadlessAudioDevice audio{8000, 1, &clock};
    CAnimationManager animations;
    CSoundManager sounds;
};

void turns(World& world, int count)
{
    for (int i = 0; i < count; ++i) {
        world.clock.advance(20);
        world.audio.mixUntilNow();
        world.animations.domodal();
        world.sounds.domodal();
    }
}

void exercise(World& world, CPlayable* root)
{
    root->play();
    turns(world, 3);
    root->pause();
    root->resume();
    turns(world, 3);
    if (CSequencedPlayable* sequence = CSequencedPlayable::asSequence(root)) {
        delete sequence->getAllAnimations();
        delete sequence->getAllOfType(1);
        sequence->get("GO");
        sequence->getLastPlayedEvent("x");
        sequence->seek(CPlayable::SeekNext);
        sequence->getBoundingBox(0);
    }
    root->stop(true);
    turns(world, 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static World world;
    write("C:\\seq.seq", std::string(reinterpret_cast<const char*>(data), size));
    // Files named in the text are found in the scratch folder; the driver's own folder comes back.
    const std::filesystem::path folder = std::filesystem::current_path();
    CFile::chDir("C:\\");
    {
        CResourcesManager resources(nullptr);
        CPlayable* root = CMultimediaSequenceCreator::load(nullptr, "C:\\seq.seq", &resources, nullptr);
        if (root != nullptr) {
            exercise(world, root);
            if (!resources.contains(root))
                delete root;
        }
    }
    CMultimediaSequenceCreator own(nullptr, "C:\\seq.seq", nullptr, nullptr, false);
    if (own.getPlayable() != nullptr)
        exercise(world, own.getPlayable());
    std::filesystem::current_path(folder);
    return 0;
}
