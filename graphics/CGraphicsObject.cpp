#include "graphics/CGraphicsObject.h"

#include "foundation/CDataBuffer2Dim.h"
#include "foundation/CFile.h"
#include "foundation/CXArray.h"
#include "graphics/CAlphaStamp.h"
#include "graphics/CCollisionInspector.h"
#include "graphics/CColor.h"
#include "graphics/CImageWriter.h"
#include "graphics/CPixelFormat.h"
#include "graphics/CPixelLoops.h"
#include "graphics/CValidationElement.h"
#include "graphics/CValidationQuene.h"
#include "graphics/CWindow.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <utility>
#include <vector>

using foundation::wrapAdd;
using foundation::wrapSub;

namespace {

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

// The smallest rectangle holding both; a rectangle without area does not count.
CXRect unionOf(const CXRect& a, const CXRect& b)
{
    if (!hasArea(a))
        return b;
    if (!hasArea(b))
        return a;
    return a | b;
}

int64_t areaOf(const CXRect& r)
{
    return hasArea(r) ? int64_t(r.Width()) * r.Height() : 0;
}

// Reverses the order of `count` rows of `size` bytes.
void reverseRows(uint8_t* rows, int count, int size)
{
    for (int a = 0, b = count - 1; a < b; ++a, --b)
        std::swap_ranges(rows + size_t(a) * size, rows + size_t(a + 1) * size, rows + size_t(b) * size);
}

} // namespace

uint8_t* CGraphicsObject::newPlane(int64_t bytes)
{
    return bytes >= 0 && bytes <= INT32_MAX ? new (std::nothrow) uint8_t[size_t(bytes)] : nullptr;
}

uint8_t* CGraphicsObject::copyPart(const uint8_t* plane, int width, const CXRect& part, int pixelSize)
{
    uint8_t* copy = newPlane(areaOf(part) * pixelSize);
    if (copy == nullptr || plane == nullptr)
        return copy;
    size_t rowBytes = size_t(part.Width()) * pixelSize;
    for (int row = 0; row < part.Height(); ++row) {
        const uint8_t* from = plane + (size_t(part.top + row) * width + part.left) * pixelSize;
        std::memcpy(copy + row * rowBytes, from, rowBytes);
    }
    return copy;
}

CGraphicsObject::CGraphicsObject(CWindow* window)
{
    initialize(window);
}

CGraphicsObject::CGraphicsObject(CWindow* window, CXSize size, int bpp)
{
    initialize(window);
    setGeometry(size, bpp);
    data_ = newPlane(dataSize_);
}

CGraphicsObject::CGraphicsObject(CWindow* window, CXSize size, int bpp, uint8_t* data)
{
    initialize(window);
    setGeometry(size, bpp);
    data_ = data;
}

CGraphicsObject::CGraphicsObject(CWindow* window, CGraphicsObject& other)
{
    initialize(window);
    viewPlanesOf(other);
    clip_ = other.clip_;
    viewport_ = other.viewport_;
    CXPoint at = other.GetPosition();
    x_ = at.x;
    y_ = at.y;
    fileName_ = other.fileName_;
    destiny_ = other.destiny_;
    alphaAsMask_ = other.alphaAsMask_;
    flags_ = other.flags_;
    opacity_ = other.opacity_;
    visible_ = other.visible_;
}

void CGraphicsObject::initialize(CWindow* window)
{
    window_ = window;
    screen_ = nullptr;
    destiny_ = nullptr;
    backup_ = nullptr;
    width_ = height_ = pitch_ = 0;
    data_ = nullptr;
    bpp_ = 0;
    flags_ = 0;
    autoClip_ = true;
    x_ = y_ = anchorX_ = anchorY_ = 0;
    flippedRows_ = flippedColumns_ = false;
    std::fill(std::begin(channelSize_), std::end(channelSize_), 0);
    red_ = green_ = blue_ = alpha_ = nullptr;
    alphaAsMask_ = false;
    ownsData_ = true;
    dataSize_ = 0;
    compression_ = COMPRESSION_NONE;
    opacity_ = 255;
    ffArray_ = nullptr;
    ffCount_ = 0;
    invalidated_ = false;
    observers_ = new CXArray(101, 0.75f);
    monitorCollisions_ = false;
    subObjects_ = nullptr;
    visible_ = true;
    // The first object makes the shared table, so no drawing pass pays for it.
    CPixelLoops::__get_mul_array();
}

CGraphicsObject::~CGraphicsObject()
{
    if (screen_ != nullptr)
        screen_->onDestroy(this);
    dropSubObjects();
    std::vector<CInvalidateObserver*> observers;
    for (int i = 0; i < observers_->getSize(); ++i)
        observers.push_back(static_cast<CInvalidateObserver*>((*observers_)[i]));
    for (CInvalidateObserver* observer : observers)
        observer->onDestroy(this);
    delete observers_;
    CGraphicsObject::Flush();
}

CXObject* CGraphicsObject::clone() const
{
    return new CGraphicsObject(window_, const_cast<CGraphicsObject&>(*this));
}

void CGraphicsObject::setGeometry(CXSize size, int bpp)
{
    width_ = size.cx;
    height_ = size.cy;
    pitch_ = size.cx;
    bpp_ = bpp;
    dataSize_ = CPixelFormat::__get_data_size(size.cx, size.cy, bpp);
}

int CGraphicsObject::pixelCount() const
{
    int size = CPixelFormat::__get_data_size(width_, height_, 8);
    return std::max(size, 0);
}

void CGraphicsObject::freePlane(uint8_t*& plane)
{
    if (ownsData_)
        delete[] plane;
    plane = nullptr;
}

void CGraphicsObject::Flush()
{
    delete backup_;
    backup_ = nullptr;
    alphaStamp_.reset();
    pack(true);
    if (!ownsData_)
        return;
    packing_.release();
    freePlane(data_);
    freePlane(red_);
    freePlane(green_);
    freePlane(blue_);
    freePlane(alpha_);
}

void CGraphicsObject::viewPlanesOf(CGraphicsObject& other)
{
    CGraphicsObject::Flush();
    ownsData_ = false;
    data_ = other.data_;
    alpha_ = other.alpha_;
    red_ = other.red_;
    green_ = other.green_;
    blue_ = other.blue_;
    width_ = other.width_;
    height_ = other.height_;
    pitch_ = other.pitch_;
    bpp_ = other.bpp_;
    compression_ = other.compression_;
    packing_.viewOf(other.packing_);
    dataSize_ = other.dataSize_;
    std::copy(std::begin(other.channelSize_), std::end(other.channelSize_), channelSize_);
}

void CGraphicsObject::alloc(CXSize size, int bpp, bool)
{
    Flush();
    ownsData_ = true;
    setGeometry(size, bpp);
    std::fill(std::begin(channelSize_), std::end(channelSize_), 0);
    data_ = newPlane(dataSize_);
    alpha_ = newPlane(pixelCount());
}

void CGraphicsObject::Alloc()
{
    Flush();
    ownsData_ = true;
    data_ = newPlane(dataSize_);
}

int CGraphicsObject::getGfxType()
{
    return 0;
}

void CGraphicsObject::setMonitorCollisions(bool monitor)
{
    monitorCollisions_ = monitor;
}

bool CGraphicsObject::getMonitorCollisionsFlag()
{
    return monitorCollisions_;
}

void CGraphicsObject::SetOpacity(unsigned char opacity)
{
    opacity_ = opacity;
}

void CGraphicsObject::AddOpacity(short delta)
{
    opacity_ = static_cast<unsigned char>(std::clamp(opacity_ + delta, 0, 255));
}

uint8_t* CGraphicsObject::GetDataPtr()
{
    return data_;
}

int CGraphicsObject::byteAt(const uint8_t* plane, CXPoint p) const
{
    if (plane == nullptr || p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_)
        return 0;
    return plane[size_t(p.y) * width_ + p.x];
}

int CGraphicsObject::alphaAt(CXPoint local) const
{
    // A packed alpha plane is read through a copy unpacked for the read.
    std::unique_ptr<uint8_t[]> unpacked = packing_.unpackedAlpha();
    if (unpacked != nullptr)
        return byteAt(unpacked.get(), local);
    return compression_ == COMPRESSION_NONE ? byteAt(alpha_, local) : 0;
}

bool CGraphicsObject::testHit(CXPoint point, bool boxOnly)
{
    if (!GetBoundingBox().IsInRect(point))
        return false;
    if (alpha_ == nullptr || boxOnly)
        return true;
    return alphaAt(ClientCoords(point)) != 0;
}

bool CGraphicsObject::isAt(CXPoint p, bool useAlpha)
{
    if (!GetBoundingBox().IsInRect(p))
        return false;
    return !useAlpha || alphaAt(ClientCoords(p)) != 0;
}

bool CGraphicsObject::isInside(int x, int y, bool useAlpha)
{
    CXRect box = GetBoundingBox();
    if (!box.IsInRect(x, y))
        return false;
    return !useAlpha || alphaAt(CXPoint(x - box.left, y - box.top)) != 0;
}

CXPoint CGraphicsObject::getCenterPoint()
{
    return CXPoint(width_ / 2, height_ / 2);
}

void CGraphicsObject::setPosition(int x, int y)
{
    SetPosition(x, y);
}

void CGraphicsObject::setPosition(CXPoint p)
{
    SetPosition(p.x, p.y);
}

void CGraphicsObject::SetPosition(CXPoint p)
{
    SetPosition(p.x, p.y);
}

void CGraphicsObject::SetPosition(int x, int y)
{
    x_ = wrapSub(x, anchorX_);
    y_ = wrapSub(y, anchorY_);
    reportPositionChange();
}

void CGraphicsObject::reportPositionChange()
{
    if (monitorCollisions_ && window_ != nullptr)
        window_->getCollisionInspectorInterface()->onPositionChanged(this);
}

void CGraphicsObject::Move(CXPoint delta)
{
    Move(delta.x, delta.y);
}

void CGraphicsObject::Move(int dx, int dy)
{
    CXRect before = GetBoundingBox();
    x_ = wrapAdd(x_, dx);
    y_ = wrapAdd(y_, dy);
    CXRect moved = unionOf(before, GetBoundingBox());
    if (screen_ != nullptr)
        screen_->Invalidate(&moved);
    invalidated_ = true;
    reportPositionChange();
}

void CGraphicsObject::setAnchor(int x, int y)
{
    anchorX_ = x;
    anchorY_ = y;
}

void CGraphicsObject::setAnchor(CXPoint anchor)
{
    setAnchor(anchor.x, anchor.y);
}

CXPoint CGraphicsObject::getAnchor()
{
    return CXPoint(anchorX_, anchorY_);
}

void CGraphicsObject::Visible(bool visible)
{
    if (window_ == nullptr)
        return;
    visible_ = visible;
    Invalidate();
}

int CGraphicsObject::GetPixelSize()
{
    return CPixelFormat::__get_pixel_size(bpp_);
}

int CGraphicsObject::GetPixel(_channel channel, CXPoint p)
{
    if (channel == CHANNEL_ALPHA)
        return alphaAt(p);
    const uint8_t* planes[] = {red_, green_, blue_};
    bool separate = channel >= 0 && channel < 3 && compression_ == COMPRESSION_NONE;
    return separate ? byteAt(planes[channel], p) : 0;
}

CColor CGraphicsObject::GetPixel(CXPoint p)
{
    return GetPixel(p.x, p.y);
}

CColor CGraphicsObject::GetPixel(int x, int y)
{
    CPackedPlanes::ReadScope raw(packing_);
    if (!hasRawPlane() || x < 0 || y < 0 || x >= width_ || y >= height_)
        return CColor(0, 0, 0);
    size_t at = size_t(y) * width_ + x;
    if (bpp_ == 15 || bpp_ == 16) {
        auto pixel = reinterpret_cast<const uint16_t*>(data_)[at];
        return CColor(static_cast<short>(pixel), bpp_ == 15 ? COLORMODEL_15 : COLORMODEL_16);
    }
    if (bpp_ == 24) {
        const uint8_t* bytes = data_ + at * 3;
        return CColor(bytes[2], bytes[1], bytes[0]);
    }
    return CColor(0, 0, 0);
}

void CGraphicsObject::SetPixel(CXPoint p, CColor color)
{
    SetPixel(p.x, p.y, color);
}

void CGraphicsObject::SetPixel(int x, int y, CColor color)
{
    if (!hasRawPlane() || (bpp_ != 15 && bpp_ != 16) || x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    reinterpret_cast<uint16_t*>(data_)[size_t(y) * width_ + x] = static_cast<uint16_t>(color.GetInBPP(bpp_));
}

void CGraphicsObject::putPixel(int x, int y, short color, int alpha, bool replace)
{
    if (!hasRawPlane() || (bpp_ != 15 && bpp_ != 16) || x < 0 || y < 0 || x >= pitch_ || y >= height_)
        return;
    int64_t at = int64_t(y) * pitch_ + x;
    if (at >= pixelCount())
        return;
    uint16_t& pixel = reinterpret_cast<uint16_t*>(data_)[at];
    pixel = CPixelLoops::mixPixel(replace ? 0 : pixel, static_cast<uint16_t>(color), alpha, bpp_);
}

void CGraphicsObject::ToGrayScale()
{
    auto* pixels = reinterpret_cast<uint16_t*>(GetDataPtr());
    if (pixels == nullptr || compression_ != COMPRESSION_NONE || (bpp_ != 15 && bpp_ != 16))
        return;
    int count = pixelCount();
    for (int i = 0; i < count; ++i) {
        int p = pixels[i];
        // 16 bits: green's upper five bits, so every channel counts five.
        int grey = bpp_ == 16 ? ((p >> 11) + ((p >> 6) & 31) + (p & 31)) / 3 : (((p >> 10) & 31) + ((p >> 5) & 31) + (p & 31)) / 3;
        pixels[i] = uint16_t(bpp_ == 16 ? grey * (2048 + 64 + 1) : grey * (1024 + 32 + 1));
    }
}

void CGraphicsObject::FlipH()
{
    CPackedPlanes::RawScope raw(packing_);
    if (!hasRawPlane())
        return;
    reverseRows(data_, height_, width_ * 2);
    if (alpha_ != nullptr)
        reverseRows(alpha_, height_, width_);
    flippedRows_ = !flippedRows_;
}

void CGraphicsObject::FlipV()
{
    CPackedPlanes::RawScope raw(packing_);
    if (!hasRawPlane())
        return;
    auto* pixels = reinterpret_cast<uint16_t*>(data_);
    for (int row = 0; row < height_; ++row) {
        std::reverse(pixels + size_t(row) * width_, pixels + size_t(row + 1) * width_);
        if (alpha_ != nullptr)
            std::reverse(alpha_ + size_t(row) * width_, alpha_ + size_t(row + 1) * width_);
    }
    flippedColumns_ = !flippedColumns_;
}

void CGraphicsObject::resetFlips()
{
    if (flippedColumns_)
        FlipV();
    if (flippedRows_)
        FlipH();
}

void CGraphicsObject::crop(CXRect rect)
{
    Invalidate();
    if (!hasRawPlane())
        return;
    CXRect part(std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width_), std::min(rect.bottom, height_));
    if (!hasArea(part))
        return;
    uint8_t* colors = copyPart(data_, width_, part, 2);
    uint8_t* alpha = alpha_ != nullptr ? copyPart(alpha_, width_, part, 1) : nullptr;
    freePlane(data_);
    freePlane(alpha_);
    ownsData_ = true;
    data_ = colors;
    alpha_ = alpha;
    setGeometry(CXSize(part.Width(), part.Height()), bpp_);
}

void CGraphicsObject::Fill(CColor* color)
{
    if (!hasRawPlane() || color == nullptr)
        return;
    int value = color->GetInBPP(bpp_);
    if (bpp_ == 15 || bpp_ == 16)
        std::fill_n(reinterpret_cast<uint16_t*>(data_), pixelCount(), static_cast<uint16_t>(value));
    else if (bpp_ == 32)
        std::fill_n(reinterpret_cast<uint32_t*>(data_), pixelCount(), static_cast<uint32_t>(value));
}

void CGraphicsObject::Fill(CXRect rect, CColor* color)
{
    if (!hasRawPlane() || color == nullptr || (bpp_ != 15 && bpp_ != 16))
        return;
    CXRect part = rect.Common(CXRect(0, 0, width_, height_));
    auto value = static_cast<uint16_t>(color->GetInBPP(bpp_));
    auto* pixels = reinterpret_cast<uint16_t*>(data_);
    for (int row = part.top; row < part.bottom; ++row)
        std::fill_n(pixels + size_t(row) * width_ + part.left, part.Width(), value);
}

_canvas CGraphicsObject::asCanvas()
{
    return _canvas{reinterpret_cast<uint16_t*>(GetDataPtr()), alpha_, bpp_, x_, y_, Width(), Size().cy, clip_};
}

bool CGraphicsObject::clipTo(CGraphicsObject* target)
{
    int64_t x = x_, y = y_;
    CXRect visible(int(std::max<int64_t>(0, -x)), int(std::max<int64_t>(0, -y)),
                   int(std::min<int64_t>(width_, target->Width() - x)), int(std::min<int64_t>(height_, target->Size().cy - y)));
    if (visible.left >= visible.right || visible.top >= visible.bottom)
        return false;
    if (clip_.IsEmpty())
        clip_ = visible;
    else
        clip_ = CXRect(std::max(clip_.left, visible.left), std::max(clip_.top, visible.top),
                       std::min(clip_.right, visible.right), std::min(clip_.bottom, visible.bottom));
    return true;
}

void CGraphicsObject::redraw(CGraphicsObject* target)
{
    if (target == nullptr || GetDataPtr() == nullptr || target->GetDataPtr() == nullptr)
        return;
    int64_t x = x_, y = y_;
    if (x + width_ <= 0 || y + height_ <= 0 || x >= target->Width() || y >= target->Size().cy)
        return;
    if (autoClip_ && !clipTo(target))
        return;
    // A picture held run-length packed is drawn from planes unpacked for the draw.
    CPackedPlanes::ReadScope raw(packing_);
    bool packed = compression_ != COMPRESSION_NONE && compression_ != COMPRESSION_OLD;
    if (packed)
        return;
    Convert(target->GetBpp());
    drawOnto(target);
}

void CGraphicsObject::drawOnto(CGraphicsObject* target)
{
    _canvas source = asCanvas();
    source.width = width_;
    source.height = height_;
    _canvas destination = target->asCanvas();
    destination.x = destination.y = 0;
    destination.rect = viewport_;
    if (opacity_ < 255)
        CPixelLoops::__copy_blend(source, destination, opacity_);
    else if (destination.alpha != nullptr)
        CPixelLoops::copyToCanvas(source, destination);
    else if (source.alpha == nullptr)
        CPixelLoops::__copy(source, destination);
    else if (alphaAsMask_)
        CPixelLoops::__copy_alpha_as_mask(source, destination);
    else
        CPixelLoops::__copy_alpha(source, destination);
}

void CGraphicsObject::Redraw()
{
    if (backup_ != nullptr)
        restoreImage();
    if (subObjects_ != nullptr) {
        for (int i = 0; i < subObjects_->getSize(); ++i)
            subObjects_->elementAt(i)->getObject()->redraw(this);
    }
    if (destiny_ != nullptr)
        redraw(destiny_);
}

void CGraphicsObject::Convert(int bpp)
{
    if (!hasRawPlane())
        return;
    int count = pixelCount();
    auto convertTo = [this, count](int to) {
        // A view may change the pixels it shows but cannot take a new plane.
        bool widens = bpp_ == 24 || bpp_ == 32;
        uint8_t* plane = widens && !ownsData_ ? nullptr : CPixelFormat::__convert_bpp(data_, count, bpp_, to);
        if (plane == nullptr)
            return;
        if (plane != data_) {
            freePlane(data_);
            data_ = plane;
        }
        bpp_ = to;
        dataSize_ = CPixelFormat::__get_data_size(width_, height_, to);
    };
    if ((bpp == 24 || bpp == 32) && bpp_ == 15) {
        convertTo(16);
        return;
    }
    if (bpp > 23)
        return;
    if (bpp != bpp_ && count >= 4)
        convertTo(bpp);
}

void CGraphicsObject::Split()
{
    if (!hasRawPlane() || bpp_ != 24)
        return;
    int count = pixelCount();
    uint8_t** planes[] = {&blue_, &green_, &red_};
    for (int channel = 0; channel < 3; ++channel) {
        uint8_t* plane = newPlane(count);
        for (int i = 0; plane != nullptr && i < count; ++i)
            plane[i] = data_[size_t(i) * 3 + channel];
        freePlane(*planes[channel]);
        *planes[channel] = plane;
    }
    std::fill(std::begin(channelSize_), std::end(channelSize_), count);
    freePlane(data_);
    ownsData_ = true;
}

void CGraphicsObject::JoinChannels()
{
    int formerBpp = bpp_;
    int count = pixelCount();
    freePlane(data_);
    ownsData_ = true;
    data_ = newPlane(int64_t(count) * 3);
    uint8_t** planes[] = {&blue_, &green_, &red_};
    for (int channel = 0; channel < 3; ++channel) {
        const uint8_t* plane = *planes[channel];
        for (int i = 0; data_ != nullptr && i < count; ++i)
            data_[size_t(i) * 3 + channel] = plane != nullptr ? plane[i] : 0;
        freePlane(*planes[channel]);
    }
    bpp_ = 24;
    dataSize_ = CPixelFormat::__get_data_size(width_, height_, 24);
    Convert(formerBpp);
}

uint8_t* CGraphicsObject::Join2Channels()
{
    if (!hasRawPlane() || bpp_ != 24)
        return nullptr;
    int count = pixelCount();
    uint8_t* joined = newPlane(int64_t(count) * 4);
    for (int i = 0; joined != nullptr && i < count; ++i) {
        std::memcpy(joined + size_t(i) * 4, data_ + size_t(i) * 3, 3);
        joined[size_t(i) * 4 + 3] = alpha_ != nullptr ? alpha_[i] : 255;
    }
    return joined;
}

void CGraphicsObject::SplitOn2(const uint8_t* buffer, int count)
{
    Flush();
    ownsData_ = true;
    if (buffer == nullptr || count != pixelCount())
        return;
    data_ = newPlane(int64_t(count) * 3);
    alpha_ = newPlane(count);
    for (int i = 0; data_ != nullptr && alpha_ != nullptr && i < count; ++i) {
        std::memcpy(data_ + size_t(i) * 3, buffer + size_t(i) * 4, 3);
        alpha_[i] = buffer[size_t(i) * 4 + 3];
    }
    bpp_ = 24;
    dataSize_ = CPixelFormat::__get_data_size(width_, height_, 24);
    channelSize_[3] = count;
}

int CGraphicsObject::Width()
{
    return width_;
}

int CGraphicsObject::Height()
{
    return height_;
}

CXSize CGraphicsObject::Size()
{
    return CXSize(width_, height_);
}

void CGraphicsObject::setSize(CXSize size)
{
    width_ = size.cx;
    height_ = size.cy;
}

int CGraphicsObject::getWidth()
{
    return Width();
}

int CGraphicsObject::getHeight()
{
    return Height();
}

CXPoint CGraphicsObject::getPosition()
{
    return GetPosition();
}

CXPoint CGraphicsObject::GetPosition()
{
    return CXPoint(x_, y_);
}

CXRect CGraphicsObject::getRect()
{
    return CXRect(x_, y_, wrapAdd(x_, width_), wrapAdd(y_, height_));
}

CXRect CGraphicsObject::GetAbsoluteBoundingBox()
{
    CXRect box = getRect();
    if (!clip_.IsEmpty())
        box = box.Common(clip_ + GetPosition());
    return box;
}

CXRect CGraphicsObject::GetBoundingBox()
{
    CXRect box = getRect();
    box.left = std::max(box.left, 0);
    box.top = std::max(box.top, 0);
    if (destiny_ != nullptr) {
        box.right = std::min(box.right, destiny_->Width());
        box.bottom = std::min(box.bottom, destiny_->Height());
    }
    if (!clip_.IsEmpty())
        box = box.Common(clip_ + GetPosition());
    return box;
}

bool CGraphicsObject::isNear(CXRect rect, int percent)
{
    CXRect box = GetBoundingBox();
    int64_t boxArea = areaOf(box);
    if (boxArea == 0)
        return false;
    return double(areaOf(box.Common(rect))) * 100.0 / double(boxArea) >= percent;
}

bool CGraphicsObject::isNear(CGraphicsObject* other, int percent)
{
    return other != nullptr && isNear(other->GetBoundingBox(), percent);
}

CXPoint CGraphicsObject::ClientCoords(CXPoint p)
{
    return p - CXPoint(x_, y_);
}

CXPoint CGraphicsObject::toLocalAxis(CXPoint p)
{
    return ClientCoords(p);
}

void CGraphicsObject::SetClippingRect(CXRect rect)
{
    clip_ = rect;
}

void CGraphicsObject::SetChannelSize(int index, int size)
{
    if (index >= 0 && index < 4)
        channelSize_[index] = size;
}

void CGraphicsObject::invalidateRect(CXRect rect)
{
    if (screen_ != nullptr)
        screen_->Invalidate(&rect);
    notifyInvalidate(&rect);
    invalidated_ = true;
}

void CGraphicsObject::Invalidate(CXRect* rect)
{
    if (rect == nullptr) {
        Invalidate();
        return;
    }
    CXRect part = GetBoundingBox().Common(*rect);
    if (hasArea(part))
        invalidateRect(part);
}

void CGraphicsObject::Invalidate()
{
    invalidateRect(GetBoundingBox());
}

bool CGraphicsObject::isInvalidated()
{
    return std::exchange(invalidated_, false);
}

void CGraphicsObject::addInvalidateObserver(CInvalidateObserver* observer)
{
    if (observer != nullptr && !observers_->contains(observer))
        observers_->add(observer);
}

void CGraphicsObject::removeInvalidateObserver(CInvalidateObserver* observer)
{
    observers_->remove(observer);
}

void CGraphicsObject::notifyInvalidate(CXRect* rect)
{
    if (observers_->isEmpty())
        return;
    // Observers may leave (or others join) while they are told: walk a copy, skip those gone.
    std::vector<CInvalidateObserver*> listed;
    for (int i = 0; i < observers_->getSize(); ++i)
        listed.push_back(static_cast<CInvalidateObserver*>((*observers_)[i]));
    for (CInvalidateObserver* observer : listed) {
        if (observers_->contains(observer))
            observer->onInvalidate(this, rect);
    }
}

CGraphicsObject* CGraphicsObject::getDrawn()
{
    return this;
}

void CGraphicsObject::onInvalidate(CGraphicsObject*, CXRect* rect)
{
    Invalidate(rect);
}

void CGraphicsObject::onDestroy(CGraphicsObject* object)
{
    removeInvalidateObserver(object);
    takeSubObject(object);
}

void CGraphicsObject::addObject(CGraphicsObject* object, int priority)
{
    if (object == nullptr)
        return;
    if (subObjects_ == nullptr)
        subObjects_ = new CValidationQuene();
    if (subObjects_->find(object) == nullptr) {
        subObjects_->put(object, priority);
        object->addInvalidateObserver(this);
    }
    if (backup_ == nullptr)
        backup_ = new CDataBuffer2Dim(data_, CXSize(width_, height_), 2);
}

void CGraphicsObject::removeObject(CGraphicsObject* object)
{
    // It must not tell this object of its changes any more, or die telling it.
    if (takeSubObject(object))
        object->removeInvalidateObserver(this);
}

bool CGraphicsObject::takeSubObject(CGraphicsObject* object)
{
    if (subObjects_ == nullptr || !subObjects_->take(object))
        return false;
    if (subObjects_->isEmpty()) {
        delete subObjects_;
        subObjects_ = nullptr;
        delete backup_;
        backup_ = nullptr;
    }
    return true;
}

void CGraphicsObject::removeAllObjects()
{
    dropSubObjects();
}

void CGraphicsObject::dropSubObjects()
{
    if (subObjects_ == nullptr)
        return;
    for (int i = 0; i < subObjects_->getSize(); ++i)
        subObjects_->elementAt(i)->getObject()->removeInvalidateObserver(this);
    delete subObjects_;
    subObjects_ = nullptr;
}

void CGraphicsObject::restoreImage()
{
    if (backup_ == nullptr || data_ == nullptr)
        return;
    int bytes = std::min(backup_->getMemoryUsage(), dataSize_);
    if (bytes > 0)
        std::memcpy(data_, backup_->getData(), size_t(bytes));
}

int CGraphicsObject::Load(const CXString&)
{
    // Pictures are kept in the screen's format, so drawing them converts nothing.
    if (window_ != nullptr && window_->GetBpp() != 0)
        Convert(window_->GetBpp());
    return LastError();
}

int CGraphicsObject::Load(CFile*)
{
    return LastError();
}

void CGraphicsObject::Save(const CXString& name, _compression code)
{
    CFile file;
    if (file.Open(window_, name, CFile::BINARY) != 0)
        return;
    Save(&file, code);
    file.Close();
}

void CGraphicsObject::Save(CFile* file, _compression code)
{
    CImageWriter::write(*this, file, code);
}

void CGraphicsObject::pack(bool freeUnpacked)
{
    packing_.pack(freeUnpacked);
}

void CGraphicsObject::unpack()
{
    packing_.unpack();
}

bool CGraphicsObject::DeCompress()
{
    return packing_.deCompress();
}

bool CGraphicsObject::DeCompressRLE2()
{
    return packing_.deCompressRLE2();
}

void CGraphicsObject::bringBackCompressed()
{
    packing_.bringBackCompressed();
}

void CGraphicsObject::Compress(_compression code)
{
    packing_.compress(code);
}
