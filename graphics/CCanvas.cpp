#include "graphics/CCanvas.h"

#include "graphics/CRefreshScreen.h"
#include "graphics/CStamp.h"
#include "graphics/CValidationElement.h"
#include "graphics/CValidationQuene.h"
#include "graphics/CWindow.h"

#include <algorithm>
#include <cstring>

namespace {

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

// The size, or nothing when its planes would be out of all proportion.
CXSize checkedSize(CXSize size)
{
    bool fits = size.cx >= 0 && size.cy >= 0 && int64_t(size.cx) * size.cy <= CCanvas::maxPixels;
    return fits ? size : CXSize(0, 0);
}

} // namespace

CCanvas::CCanvas(CWindow* window, CXSize size, int format, bool alpha, bool background)
    : CGraphicsObject(window, checkedSize(size), format), children_(std::make_unique<CValidationQuene>())
{
    if (alpha)
        giveAlphaPlane(*this);
    clearPart(*this, CXRect(0, 0, Width(), Height()));
    if (!background)
        return;
    background_ = std::make_unique<CGraphicsObject>(window, Size(), format);
    if (alpha)
        giveAlphaPlane(*background_);
    clearPart(*background_, CXRect(0, 0, Width(), Height()));
    add(background_.get(), -1);
}

CCanvas::~CCanvas()
{
    while (children_->getSize() > 0)
        forget(children_->elementAt(0)->getObject());
    background_.reset();
}

void CCanvas::giveAlphaPlane(CGraphicsObject& picture)
{
    picture.AlphaChannel() = new uint8_t[size_t(picture.Width()) * picture.Height()]();
}

CRefreshScreen* CCanvas::screen() const
{
    return getWindow() != nullptr ? getWindow()->GetRefreshScreenInterface() : nullptr;
}

int CCanvas::getChildCount() const
{
    return children_->getSize();
}

CGraphicsObject* CCanvas::getChild(int index) const
{
    return index >= 0 && index < children_->getSize() ? children_->elementAt(index)->getObject() : nullptr;
}

// ---- children ------------------------------------------------------------------------------

void CCanvas::add(CGraphicsObject* object, int priority)
{
    // A canvas in itself would draw itself for ever.
    if (object == nullptr || object == this || children_->find(object) != nullptr)
        return;
    children_->put(object, priority);
    object->addInvalidateObserver(this);
    object->SetDestiny(this);
    object->Invalidate();
}

bool CCanvas::forget(CGraphicsObject* object)
{
    if (!children_->take(object))
        return false;
    object->removeInvalidateObserver(this);
    // Its target must not outlive the canvas.
    if (object->GetDestiny() == this)
        object->SetDestiny(nullptr);
    return true;
}

void CCanvas::remove(CGraphicsObject* object)
{
    forget(object);
}

void CCanvas::removeAll()
{
    while (children_->getSize() > 0)
        forget(children_->elementAt(0)->getObject());
    if (background_ != nullptr)
        add(background_.get(), -1);
}

void CCanvas::onDestroy(CGraphicsObject* object)
{
    CGraphicsObject::onDestroy(object);
    forget(object);
}

void CCanvas::onInvalidate(CGraphicsObject*, CXRect* rect)
{
    ++invalidations_;
    if (invalidations_ <= maxRegions) {
        if (rect != nullptr) {
            CXRect moved = *rect + GetPosition();
            Invalidate(&moved);
        }
        return;
    }
    if (!wholeInvalidated_) {
        wholeInvalidated_ = true;
        Invalidate();
    }
}

// ---- drawing -------------------------------------------------------------------------------

void CCanvas::clearPart(CGraphicsObject& picture, const CXRect& part)
{
    CXRect inside = part.Common(CXRect(0, 0, picture.Width(), picture.Height()));
    uint8_t* colours = picture.GetDataPtr();
    if (!hasArea(inside) || picture.GetCompression() != COMPRESSION_NONE || colours == nullptr)
        return;
    size_t pixelSize = size_t(picture.GetPixelSize());
    size_t width = size_t(picture.Width());
    uint8_t* alpha = picture.GetChannelAlpha();
    for (int row = inside.top; row < inside.bottom; ++row) {
        size_t first = size_t(row) * width + size_t(inside.left);
        std::memset(colours + first * pixelSize, 0, size_t(inside.Width()) * pixelSize);
        if (alpha != nullptr)
            std::memset(alpha + first, 0, size_t(inside.Width()));
    }
}

void CCanvas::clear(bool withBackground)
{
    CXRect clip = GetClippingRect();
    CXRect part = clip.IsEmpty() ? CXRect(0, 0, Width(), Height()) : clip;
    clearPart(*this, part);
    if (withBackground && background_ != nullptr)
        clearPart(*background_, part);
}

void CCanvas::drawChild(CGraphicsObject* child, const CXRect& clip)
{
    CXRect own = child->GetClippingRect();
    child->SetClippingRect(clip);
    child->Redraw();
    child->SetClippingRect(own);
}

void CCanvas::compose()
{
    if (composing_)
        return;
    composing_ = true;
    clear(false);
    CXRect clip = GetClippingRect();
    for (int i = 0; i < children_->getSize(); ++i) {
        CGraphicsObject* child = children_->elementAt(i)->getObject();
        if (!child->isVisible())
            continue;
        child->SetDestiny(this);
        if (clip.IsEmpty()) {
            drawChild(child, child->GetClippingRect());
            continue;
        }
        CXRect part = child->GetBoundingBox().Common(clip);
        if (hasArea(part))
            drawChild(child, part - child->GetPosition());
    }
    composing_ = false;
}

void CCanvas::Redraw()
{
    if (composing_)
        return;
    compose();
    if (GetDestiny() != nullptr)
        CGraphicsObject::redraw(GetDestiny());
    invalidations_ = 0;
    wholeInvalidated_ = false;
}

void CCanvas::drawWholeOnto(CGraphicsObject* target)
{
    CXPoint position = GetPosition();
    CXRect clip = GetClippingRect();
    unsigned char opacity = GetOpacity();
    CStamp::place(this, CXPoint(0, 0));
    SetClippingRect(CXRect());
    SetOpacity(255);
    CGraphicsObject::redraw(target);
    SetOpacity(opacity);
    SetClippingRect(clip);
    CStamp::place(this, position);
}

// ---- the background ------------------------------------------------------------------------

void CCanvas::capture()
{
    if (background_ == nullptr)
        return;
    CXRect clip = GetClippingRect();
    SetClippingRect(CXRect());
    compose();
    SetClippingRect(clip);
    // Onto zeroed planes the drawing copies the picture as it is, alpha included.
    clearPart(*background_, CXRect(0, 0, background_->Width(), background_->Height()));
    drawWholeOnto(background_.get());
    removeAll();
}

void CCanvas::draw(CGraphicsObject* object, int x, int y)
{
    if (background_ == nullptr || object == nullptr)
        return;
    CStamp::draw(object, background_.get(), CXPoint(x, y), CXRect());
    CXRect area = CXRect(x, y, x, y) + object->Size() + GetPosition();
    Invalidate(&area);
}

void CCanvas::erase(CGraphicsObject* object, int x, int y)
{
    uint8_t* alpha = GetChannelAlpha();
    uint8_t* backgroundAlpha = background_ != nullptr ? background_->GetChannelAlpha() : nullptr;
    // Both planes are read at the canvas's indexes: a canvas scaled since is left alone.
    bool sameSize = background_ != nullptr && background_->Width() == Width() && background_->Height() == Height();
    if (object == nullptr || alpha == nullptr || backgroundAlpha == nullptr || GetCompression() != COMPRESSION_NONE || !sameSize)
        return;
    CPackedPlanes::ReadScope raw(object->packing());
    const uint8_t* stamp = object->GetChannelAlpha();
    int stampWidth = object->Width();
    CXRect covered = CXRect(x, y, x, y) + object->Size();
    CXRect part = covered.Common(CXRect(0, 0, Width(), Height()));
    if (!hasArea(part))
        return;
    for (int row = part.top; row < part.bottom; ++row) {
        for (int column = part.left; column < part.right; ++column) {
            int taken = stamp != nullptr ? stamp[size_t(row - y) * stampWidth + size_t(column - x)] : 255;
            size_t at = size_t(row) * size_t(Width()) + size_t(column);
            alpha[at] = uint8_t(std::max(0, alpha[at] - taken));
            backgroundAlpha[at] = uint8_t(std::max(0, backgroundAlpha[at] - taken));
        }
    }
    CXRect area = part + GetPosition();
    Invalidate(&area);
}

// ---- copies --------------------------------------------------------------------------------

CXObject* CCanvas::clone() const
{
    auto* self = const_cast<CCanvas*>(this);
    auto* copy = new CCanvas(getWindow(), self->Size(), GetBpp(), GetChannelAlpha() != nullptr, background_ != nullptr);
    if (background_ != nullptr)
        CStamp::draw(background_.get(), copy->background_.get(), CXPoint(0, 0), CXRect());
    for (int i = 0; i < children_->getSize(); ++i) {
        CValidationElement* element = children_->elementAt(i);
        if (element->getObject() != background_.get())
            copy->add(element->getObject(), element->getPriority());
    }
    CStamp::place(copy, self->GetPosition());
    copy->SetOpacity(GetOpacity());
    copy->Visible(isVisible());
    CRefreshScreen* shown = screen();
    int priority = shown != nullptr ? shown->GetPriority(self) : -1;
    if (priority >= 0)
        shown->put(copy, priority);
    return copy;
}
