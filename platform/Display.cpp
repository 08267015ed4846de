#include "platform/Display.h"

#include "platform/SdlDisplay.h"
#include "platform/ServiceSlot.h"

#include <algorithm>
#include <new>

namespace platform {

DisplaySurface::DisplaySurface(int width, int height, int bytesPerPixel, bool videoMemory)
    : width_(width), height_(height), bytesPerPixel_(bytesPerPixel), videoMemory_(videoMemory),
      pixels_(new (std::nothrow) uint8_t[byteSize()]())
{
}

int DisplaySurface::lock(uint8_t** pixels, int* pitchBytes)
{
    if (lost_)
        return DisplayResult::SurfaceLost;
    *pixels = pixels_.get();
    *pitchBytes = this->pitchBytes();
    return DisplayResult::Ok;
}

int DisplaySurface::restore()
{
    if (lost_ && pixels_ != nullptr)
        std::fill_n(pixels_.get(), byteSize(), leftover_);
    lost_ = false;
    return DisplayResult::Ok;
}

void DisplaySurface::lose(uint8_t leftover)
{
    lost_ = true;
    leftover_ = leftover;
}

namespace {
Display& sdlDisplay()
{
    static SdlDisplay instance;
    return instance;
}

constinit ServiceSlot<Display> slot(sdlDisplay);
} // namespace

Display& display()
{
    return slot.get();
}

void setDisplay(Display* replacement)
{
    slot.set(replacement);
}

} // namespace platform
