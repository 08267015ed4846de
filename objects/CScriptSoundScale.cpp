#include "objects/CScriptSoundScale.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int64_t kSilence = -10000;
constexpr int64_t kFullVolume = 0;
constexpr int64_t kFullRight = 10000;
// Past this the scale gives up: silence, or fully to one side.
constexpr int64_t kLimit = 3100;

} // namespace

int CScriptSoundScale::volume(int value)
{
    const int64_t buffer = (int64_t(value) - 800) * 3200 / 800;
    // Above 800 the scale would amplify, which no sound buffer takes: full volume is the most.
    return static_cast<int>(buffer > -kLimit ? std::min<int64_t>(buffer, kFullVolume) : kSilence);
}

int CScriptSoundScale::panning(int value)
{
    const int64_t buffer = (int64_t(value) - 400) * 3200 / 800 / 2;
    if (buffer <= -kLimit)
        return static_cast<int>(kSilence);
    return static_cast<int>(buffer >= kLimit ? kFullRight : buffer);
}
