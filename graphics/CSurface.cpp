#include "graphics/CSurface.h"

#include "graphics/CDirectDrawSurface.h"
#include "graphics/CPixelFormat.h"
#include "graphics/CSecondaryDisplay.h"
#include "platform/Display.h"

using platform::DisplayResult;

namespace {

// The bits a pixel of a full-screen mode is read as, by the colour masks it came with.
int bitsOfMasks(uint32_t masks, int asked)
{
    switch (masks) {
    case 0x7FFF:
        return 15;
    case 0xFFFF:
        return 16;
    case 0xFFFFFF:
    case 0xFFFFFFFF:
        return 24;
    default:
        return asked;
    }
}

// A copy that met a lost surface: restore it and try once more.
template <class Copy>
int retryLost(platform::DisplaySurface* lost, Copy copy)
{
    int result = copy();
    if (result == DisplayResult::SurfaceLost && lost != nullptr) {
        lost->restore();
        result = copy();
    }
    return result;
}

} // namespace

CSurface::CSurface(platform::HostWindow* window, CXSize size) : CSurface(platform::display(), window, size) {}

CSurface::CSurface(platform::Display& device, platform::HostWindow* window, CXSize size)
    : device_(&device), width_(size.cx), height_(size.cy), bpp_(0), screen_(nullptr), windowMode_(true)
{
    int result = device_->openWindowed(window, size.cx, size.cy);
    if (result == DisplayResult::Ok)
        bpp_ = device_->format().bitsPerPixel;
    opened(result);
}

CSurface::CSurface(CXSize& size, int& bpp, platform::HostWindow* window, bool pageFlipping)
    : device_(&platform::display()), width_(size.cx), height_(size.cy), bpp_(bpp), screen_(nullptr), windowMode_(false)
{
    int result = device_->openFullScreen(window, size.cx, size.cy, bpp, pageFlipping);
    if (result == DisplayResult::Ok)
        bpp = bpp_ = bitsOfMasks(device_->format().colourMask(), bpp);
    opened(result);
}

void CSurface::opened(int result)
{
    setErrorCode(result);
    // The loops onto wide screens widen every pixel through the one table.
    if (result == DisplayResult::Ok && (bpp_ == 24 || bpp_ == 32))
        CPixelFormat::getBppConversionTable();
}

CSurface::~CSurface()
{
    device_->close();
}

platform::DisplaySurface* CSurface::GetPrimaryBufferInterface() const
{
    return device_->primary();
}

platform::DisplaySurface* CSurface::GetBackBufferInterface() const
{
    return device_->backBuffer();
}

int CSurface::Lock()
{
    platform::DisplaySurface* primary = GetPrimaryBufferInterface();
    if (primary == nullptr)
        return DisplayResult::NotOpen;
    int pitch = 0;
    int result = retryLost(primary, [&] { return primary->lock(&screen_, &pitch); });
    if (result != DisplayResult::Ok)
        screen_ = nullptr;
    return result;
}

void CSurface::UnLock()
{
    if (platform::DisplaySurface* primary = GetPrimaryBufferInterface())
        primary->unlock();
}

int CSurface::Flip()
{
    int result = device_->flip();
    if (result == DisplayResult::SurfaceLost) {
        GetPrimaryBufferInterface()->restore();
        if (platform::DisplaySurface* back = GetBackBufferInterface())
            back->restore();
    }
    return result;
}

void CSurface::waitForVB()
{
    device_->waitForVerticalBlank();
}

int CSurface::Blt(CDirectDrawSurface* source, CXRect* sourceRect, CXRect* targetRect)
{
    platform::DisplaySurface* primary = GetPrimaryBufferInterface();
    platform::DisplaySurface* from = source != nullptr ? source->GetDirectDrawSurfaceInterface() : nullptr;
    if (primary == nullptr || from == nullptr)
        return DisplayResult::NotOpen;
    if (from->isLost())
        from->restore();
    platform::DisplayRect fromRect = CDirectDrawSurface::toDisplayRect(sourceRect, *from);
    platform::DisplayRect toRect = CDirectDrawSurface::toDisplayRect(targetRect, *primary);
    return retryLost(primary, [&] { return device_->blit(*primary, &toRect, *from, &fromRect); });
}

int CSurface::Blt(CDirectDrawSurface* source, int x, int y, CXRect* sourceRect)
{
    platform::DisplaySurface* primary = GetPrimaryBufferInterface();
    platform::DisplaySurface* from = source != nullptr ? source->GetDirectDrawSurfaceInterface() : nullptr;
    if (primary == nullptr || from == nullptr)
        return DisplayResult::NotOpen;
    platform::DisplayRect fromRect = CDirectDrawSurface::toDisplayRect(sourceRect, *from);
    if (windowMode_) {
        CXRect target(x, y, x + fromRect.width(), y + fromRect.height());
        CXRect whole(fromRect.left, fromRect.top, fromRect.right, fromRect.bottom);
        int result = Blt(source, &whole, &target);
        if (mirror_ != nullptr)
            mirror_->update(source, &whole);
        return result;
    }
    if (from->isLost())
        from->restore();
    return retryLost(primary, [&] { return device_->blitAt(*primary, x, y, *from, &fromRect); });
}

int CSurface::Blt(CDirectDrawSurface* source, CXPoint at, CXRect* sourceRect)
{
    return Blt(source, at.x, at.y, sourceRect);
}

void CSurface::present(bool exposed)
{
    device_->present(exposed);
}
