#include "graphics/CVirtualGraphicsObject.h"

#include "graphics/CAnimo.h"
#include "graphics/CPixelLoops.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

// The columns (or rows) [from, to) of the area whose target and source points both lie within
// their pictures.
void cutAxis(int64_t& from, int64_t& to, int64_t targetAt, int64_t targetExtent, int64_t sourceAt, int64_t sourceExtent)
{
    from = std::max({from, -targetAt, -sourceAt});
    to = std::min({to, targetExtent - targetAt, sourceExtent - sourceAt});
}

// One row of the masked copy: 255 copies, 0 keeps the target, any other alpha mixes.
void maskedRow(uint16_t* target, const uint16_t* source, const uint8_t* alpha, int64_t count, int bpp)
{
    for (int64_t k = 0; k < count; ++k) {
        int a = alpha[k];
        if (a == 255)
            target[k] = source[k];
        else if (a != 0)
            target[k] = CPixelLoops::mixPixel(target[k], source[k], a, bpp);
    }
}

} // namespace

CVirtualGraphicsObject::CVirtualGraphicsObject(CWindow* window) : CGraphicsObject(window)
{
}

CVirtualGraphicsObject::~CVirtualGraphicsObject()
{
    for (CGraphicsObject* watched : {source_, maskOwner_, mask_}) {
        if (watched != nullptr)
            watched->removeInvalidateObserver(this);
    }
    source_ = maskOwner_ = mask_ = nullptr;
    setSize(CXSize(0, 0));
}

void CVirtualGraphicsObject::resetStatics()
{
    updatedScreen_ = nullptr;
    updatedFrame_ = -1;
    updatedSources_.clear();
}

CRefreshScreen* CVirtualGraphicsObject::screen() const
{
    return getWindow() != nullptr ? getWindow()->GetRefreshScreenInterface() : nullptr;
}

// ---- the two pictures ------------------------------------------------------------------------

void CVirtualGraphicsObject::watch(CGraphicsObject* object)
{
    if (object != nullptr)
        object->addInvalidateObserver(this);
}

void CVirtualGraphicsObject::unwatch(CGraphicsObject* object)
{
    if (object != nullptr && object != source_ && object != maskOwner_ && object != mask_)
        object->removeInvalidateObserver(this);
}

void CVirtualGraphicsObject::setSource(CGraphicsObject* source)
{
    // Shown through itself, it would draw itself for ever.
    if (source == source_ || source == this)
        return;
    Invalidate();
    CGraphicsObject* old = std::exchange(source_, source);
    unwatch(old);
    watch(source);
    if (source != nullptr)
        SetBpp(source->GetBpp());
    sizeAgain();
    Invalidate();
}

void CVirtualGraphicsObject::setMask(CGraphicsObject* mask)
{
    if ((mask == mask_ && mask == maskOwner_) || mask == this)
        return;
    Invalidate();
    CGraphicsObject* oldOwner = std::exchange(maskOwner_, mask);
    CGraphicsObject* oldMask = std::exchange(mask_, mask);
    unwatch(oldOwner);
    unwatch(oldMask);
    watch(mask);
    if (mask != nullptr)
        mask->DeCompress();
    sizeAgain();
    Invalidate();
}

void CVirtualGraphicsObject::setMask(CAnimo* animation)
{
    if (animation == nullptr) {
        setMask(static_cast<CGraphicsObject*>(nullptr));
        return;
    }
    if (animation == maskOwner_)
        return;
    Invalidate();
    animation->DeCompress();
    // The frame shown now stays the mask; it is watched too, as the animation may drop it.
    CGraphicsObject* oldOwner = std::exchange(maskOwner_, animation);
    CGraphicsObject* oldMask = std::exchange(mask_, animation->GetFrame(animation->Current()));
    unwatch(oldOwner);
    unwatch(oldMask);
    watch(maskOwner_);
    watch(mask_);
    sizeAgain();
    Invalidate();
}

void CVirtualGraphicsObject::sizeAgain()
{
    CXSize maskSize = mask_ != nullptr ? mask_->Size() : CXSize(0, 0);
    if (source_ == nullptr) {
        setSize(maskSize);
    } else if (maskOwner_ == nullptr) {
        setSize(source_->Size());
    } else {
        CXSize sourceSize = source_->Size();
        setSize(CXSize(std::min(sourceSize.cx, maskSize.cx), std::min(sourceSize.cy, maskSize.cy)));
    }
}

void CVirtualGraphicsObject::onDestroy(CGraphicsObject* object)
{
    CGraphicsObject::onDestroy(object);
    bool sourceGone = object == source_;
    bool maskGone = object != nullptr && (object == maskOwner_ || object == mask_);
    if (!sourceGone && !maskGone)
        return;
    Invalidate();
    if (sourceGone)
        source_ = nullptr;
    if (maskGone) {
        CGraphicsObject* owner = std::exchange(maskOwner_, nullptr);
        CGraphicsObject* mask = std::exchange(mask_, nullptr);
        // The other half of the mask may live on.
        unwatch(owner == object ? nullptr : owner);
        unwatch(mask == object ? nullptr : mask);
    }
    sizeAgain();
    Invalidate();
}

// ---- hits and invalidation -------------------------------------------------------------------

bool CVirtualGraphicsObject::testHit(CXPoint point, bool alpha)
{
    if (maskOwner_ == nullptr)
        return source_ != nullptr && source_->testHit(point, !alpha);
    if (!GetBoundingBox().IsInRect(point))
        return false;
    if (!alpha)
        return true;
    // The mask's alpha is read by the mask's own width.
    return mask_ != nullptr && (mask_->GetChannelAlpha() == nullptr || mask_->GetPixel(CHANNEL_ALPHA, point - GetPosition()) != 0);
}

void CVirtualGraphicsObject::Invalidate(CXRect* rect)
{
    // Two virtual objects showing each other would tell each other for ever.
    if (invalidating_)
        return;
    invalidating_ = true;
    if (rect == nullptr || maskOwner_ == nullptr || (mask_ != nullptr && hasArea(mask_->GetBoundingBox().Common(*rect))))
        Invalidate();
    invalidating_ = false;
}

// ---- drawing ---------------------------------------------------------------------------------

void CVirtualGraphicsObject::redraw(CGraphicsObject* target)
{
    if (source_ == nullptr || target == nullptr || drawing_)
        return;
    drawing_ = true;
    bringSourceUpToDate();
    if (maskOwner_ == nullptr)
        source_->redraw(target);
    else if (mask_ != nullptr)
        drawThroughMask(target);
    drawing_ = false;
}

void CVirtualGraphicsObject::bringSourceUpToDate()
{
    CRefreshScreen* shown = screen();
    if (source_->GetDestiny() != nullptr || shown == nullptr)
        return;
    int frame = shown->getRefreshCounter();
    if (shown != updatedScreen_ || frame != updatedFrame_) {
        updatedScreen_ = shown;
        updatedFrame_ = frame;
        updatedSources_.clear();
    }
    if (std::find(updatedSources_.begin(), updatedSources_.end(), source_) != updatedSources_.end())
        return;
    updatedSources_.push_back(source_);
    source_->Redraw();
}

void CVirtualGraphicsObject::drawThroughMask(CGraphicsObject* target)
{
    int bpp = target->GetBpp();
    if ((bpp != 15 && bpp != 16) || target->GetCompression() != COMPRESSION_NONE || target->GetDataPtr() == nullptr)
        return;
    CPackedPlanes::ReadScope sourceRaw(source_->packing());
    CPackedPlanes::ReadScope maskRaw(mask_->packing());
    source_->Convert(bpp);
    auto* sourcePixels = reinterpret_cast<const uint16_t*>(source_->GetDataPtr());
    if (!sourceRaw.raw() || !maskRaw.raw() || sourcePixels == nullptr || source_->GetBpp() != bpp)
        return;
    CXRect area(0, 0, Width(), Height());
    if (!GetClippingRect().IsEmpty())
        area = area.Common(GetClippingRect());
    if (!hasArea(area))
        return;
    CXPoint at = GetPosition();
    CXPoint maskAt = mask_->GetPosition();
    int64_t targetWidth = target->Width();
    int64_t sourceWidth = source_->Width();
    int64_t maskWidth = mask_->Width();
    int64_t left = area.left, right = std::min<int64_t>(area.right, maskWidth);
    int64_t top = area.top, bottom = std::min<int64_t>(area.bottom, mask_->Height());
    cutAxis(left, right, at.x, targetWidth, maskAt.x, sourceWidth);
    cutAxis(top, bottom, at.y, target->Height(), maskAt.y, source_->Height());
    if (left >= right || top >= bottom)
        return;
    auto* targetPixels = reinterpret_cast<uint16_t*>(target->GetDataPtr());
    const uint8_t* alpha = mask_->GetChannelAlpha();
    int64_t count = right - left;
    for (int64_t i = top; i < bottom; ++i) {
        uint16_t* out = targetPixels + (at.y + i) * targetWidth + at.x + left;
        const uint16_t* in = sourcePixels + (maskAt.y + i) * sourceWidth + maskAt.x + left;
        if (alpha == nullptr)
            std::memcpy(out, in, size_t(count) * 2);
        else
            maskedRow(out, in, alpha + i * maskWidth + left, count, bpp);
    }
}

// ---- copies ----------------------------------------------------------------------------------

CXObject* CVirtualGraphicsObject::clone() const
{
    auto* copy = new CVirtualGraphicsObject(getWindow());
    copy->setSource(source_);
    copy->maskOwner_ = maskOwner_;
    copy->mask_ = mask_;
    copy->watch(maskOwner_);
    copy->watch(mask_);
    copy->sizeAgain();
    auto* self = const_cast<CVirtualGraphicsObject*>(this);
    copy->setAnchor(self->getAnchor());
    copy->SetPosition(self->GetPosition() + self->getAnchor());
    copy->SetClippingRect(GetClippingRect());
    copy->SetOpacity(GetOpacity());
    copy->Visible(isVisible());
    return copy;
}
