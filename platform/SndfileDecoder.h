#pragma once

#include "platform/SoundDecoder.h"

namespace platform {

// The sound decoder on libsndfile, reading through the engine's file handle.
class SndfileDecoder final : public SoundDecoder {
public:
    std::unique_ptr<DecodedSound> open(FileHandle& file) override;
};

} // namespace platform
