#include "graphics/CDirectDrawSurface.h"

#include "graphics/CColor.h"
#include "graphics/CWindow.h"

#include <algorithm>

using platform::DisplayResult;

CDirectDrawSurface::CDirectDrawSurface(CWindow* window)
    : CGraphicsObject(window), applied_(nullptr), surface_(nullptr)
{
    setOwnsData(false);
}

CDirectDrawSurface::CDirectDrawSurface(CWindow* window, platform::DisplaySurface* surface, CXSize size, int bpp)
    : CDirectDrawSurface(window)
{
    setSize(size);
    SetBpp(bpp);
    SetPitch(size.cx);
    if (surface != nullptr)
        SetDirectDrawSurfaceInterface(surface);
    else
        create_surface(true);
}

CDirectDrawSurface::CDirectDrawSurface(CWindow* window, CXSize size, int bpp, bool preferVideoMemory)
    : CDirectDrawSurface(window)
{
    setSize(size);
    SetBpp(bpp);
    SetPitch(size.cx);
    create_surface(preferVideoMemory);
    SetClippingRect(CXRect(0, 0, size.cx, size.cy));
}

CDirectDrawSurface::~CDirectDrawSurface()
{
    // The pixels belong to the surface; the base must not free them.
    dropDataPtr();
}

void CDirectDrawSurface::create_surface(bool preferVideoMemory)
{
    bool videoMemory = preferVideoMemory && getWindow() != nullptr && getWindow()->isVMem();
    int result = DisplayResult::Ok;
    ownSurface_ = platform::display().createSurface(Width(), Height(), videoMemory, result);
    if (ownSurface_ == nullptr && videoMemory)
        ownSurface_ = platform::display().createSurface(Width(), Height(), false, result);
    setErrorCode(result);
    surface_ = ownSurface_.get();
    dropDataPtr();
    GetDataPtr();
}

void CDirectDrawSurface::SetDirectDrawSurfaceInterface(platform::DisplaySurface* surface)
{
    if (surface != ownSurface_.get())
        ownSurface_.reset();
    surface_ = surface;
    dropDataPtr();
    GetDataPtr();
}

uint8_t* CDirectDrawSurface::GetDataPtr()
{
    uint8_t* pixels = CGraphicsObject::GetDataPtr();
    if (pixels != nullptr || surface_ == nullptr)
        return pixels;
    int pitch = 0;
    if (surface_->lock(&pixels, &pitch) == DisplayResult::SurfaceLost) {
        surface_->restore();
        surface_->lock(&pixels, &pitch);
    }
    surface_->unlock();
    SetPitch(pitch / surface_->bytesPerPixel());
    SetDataPtr(pixels);
    return pixels;
}

void CDirectDrawSurface::Release()
{
    if (surface_ != nullptr)
        surface_->unlock();
}

platform::DisplayRect CDirectDrawSurface::toDisplayRect(const CXRect* rect, const platform::DisplaySurface& surface)
{
    if (rect == nullptr)
        return surface.bounds();
    return platform::DisplayRect{rect->left, rect->top, rect->right, rect->bottom};
}

void CDirectDrawSurface::restoreFromApplied(CGraphicsObject* applied)
{
    surface_->restore();
    if (applied != nullptr) {
        applied->SetDestiny(this);
        applied->Redraw();
    }
}

int CDirectDrawSurface::Blt(CDirectDrawSurface* source, int x, int y, CXRect* sourceRect)
{
    platform::DisplaySurface* from = source != nullptr ? source->surface_ : nullptr;
    if (surface_ == nullptr || from == nullptr)
        return DisplayResult::NotOpen;
    platform::DisplayRect rect = toDisplayRect(sourceRect, *from);
    if (sourceRect != nullptr && (rect.width() > from->width() || rect.height() > from->height())) {
        x = (rect.width() - from->width()) >> 1;
        y = (rect.height() - from->height()) >> 1;
        rect = from->bounds();
    }
    int result = platform::display().blitAt(*surface_, x, y, *from, &rect);
    if (result == DisplayResult::SurfaceLost) {
        restoreFromApplied(source->applied_);
        result = platform::display().blitAt(*surface_, x, y, *from, &rect);
    }
    return result;
}

int CDirectDrawSurface::Blt(CDirectDrawSurface* source, CXPoint at, CXRect* sourceRect)
{
    return Blt(source, at.x, at.y, sourceRect);
}

int CDirectDrawSurface::Blt(CDirectDrawSurface* source, CXRect* sourceRect, CXRect* targetRect)
{
    platform::DisplaySurface* from = source != nullptr ? source->surface_ : nullptr;
    if (surface_ == nullptr || from == nullptr)
        return DisplayResult::NotOpen;
    if (from->isLost())
        from->restore();
    platform::DisplayRect fromRect = toDisplayRect(sourceRect, *from);
    platform::DisplayRect toRect = toDisplayRect(targetRect, *surface_);
    int result = platform::display().blit(*surface_, &toRect, *from, &fromRect);
    if (result == DisplayResult::SurfaceLost) {
        restoreFromApplied(applied_);
        result = platform::display().blit(*surface_, &toRect, *from, &fromRect);
    }
    return result;
}

int CDirectDrawSurface::fillRect(const platform::DisplayRect* rect, CColor* color)
{
    if (surface_ == nullptr || color == nullptr)
        return DisplayResult::NotOpen;
    auto pixel = static_cast<uint32_t>(color->GetInBPP(GetBpp()));
    int result = platform::display().fill(*surface_, rect, pixel);
    if (result == DisplayResult::SurfaceLost) {
        surface_->restore();
        result = platform::display().fill(*surface_, rect, pixel);
    }
    return result;
}

void CDirectDrawSurface::Fill(CColor* color)
{
    fillRect(nullptr, color);
}

void CDirectDrawSurface::Fill(CXRect rect, CColor* color)
{
    platform::DisplayRect area{rect.left, rect.top, rect.right, rect.bottom};
    fillRect(&area, color);
}

void CDirectDrawSurface::Redraw()
{
    CGraphicsObject* destiny = GetDestiny();
    auto* target = dynamic_cast<CDirectDrawSurface*>(destiny);
    if (target == nullptr) {
        CGraphicsObject::Redraw();
        return;
    }
    CXPoint at = GetPosition();
    int64_t x = at.x, y = at.y, width = Width(), height = Height();
    int64_t targetWidth = target->Width(), targetHeight = target->Height();
    if (x <= -width || x >= targetWidth || y <= -height || y >= targetHeight)
        return;
    CXRect part(int(x < 1 ? -x : 0), int(y < 1 ? -y : 0), int(x + width < targetWidth ? width : targetWidth - x),
                int(y + height < targetHeight ? height : targetHeight - y));
    target->Blt(this, int(x + part.left), int(y + part.top), &part);
}
