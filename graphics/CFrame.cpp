#include "graphics/CFrame.h"

#include <algorithm>
#include <cstring>

CFrame::CFrame(CWindow* window) : CGraphicsObject(window)
{
}

CFrame::CFrame(CWindow* window, CGraphicsObject* picture)
    : CGraphicsObject(window, *picture), offset_(picture->GetPosition())
{
}

void CFrame::SetPosition(int x, int y)
{
    posOffset_ = CXPoint();
    offset_ = CXPoint(x, y);
    CGraphicsObject::SetPosition(x, y);
}

void CFrame::SetPosition(CXPoint p)
{
    offset_ = p;
    CGraphicsObject::SetPosition(p.x, p.y);
}

void CFrame::Move(int dx, int dy)
{
    CGraphicsObject::Move(dx, dy);
    offset_ = offset_ + CXPoint(dx, dy);
    posOffset_ = posOffset_ + CXPoint(dx, dy);
}

void CFrame::redraw(CGraphicsObject* target)
{
    _compression code = GetCompression();
    if (code == COMPRESSION_LZW || code == COMPRESSION_LZW_RLE)
        DeCompress();
    // Unpacking run-length-over-LZO data leaves run-length data.
    if (GetCompression() == COMPRESSION_RLE)
        DeCompressRLE2();
    CGraphicsObject::redraw(target);
}

void CFrame::copyPlanesOf(CGraphicsObject* picture)
{
    alloc(picture->Size(), picture->GetBpp(), false);
    // Packed planes are not the size of raw ones: such a picture gives a blank frame.
    bool raw = picture->GetCompression() == COMPRESSION_NONE;
    size_t bytes = static_cast<size_t>(std::max(GetDataSize(), 0));
    if (GetDataPtr() != nullptr)
        std::memset(GetDataPtr(), 0, bytes);
    if (raw && GetDataPtr() != nullptr && picture->GetDataPtr() != nullptr)
        std::memcpy(GetDataPtr(), picture->GetDataPtr(), bytes);
    if (picture->GetChannelAlpha() == nullptr) {
        freePlane(AlphaChannel());
    } else if (GetChannelAlpha() != nullptr) {
        size_t pixels = static_cast<size_t>(std::max(Width(), 0)) * static_cast<size_t>(std::max(Height(), 0));
        if (raw)
            std::memcpy(GetChannelAlpha(), picture->GetChannelAlpha(), pixels);
        else
            std::memset(GetChannelAlpha(), 0, pixels);
        SetChannelSize(3, static_cast<int>(pixels));
    }
}
