#include "graphics/CRefreshScreen.h"

#include "graphics/CBackgroundManager.h"
#include "graphics/CCanvasObserver.h"
#include "graphics/CDirectDrawSurface.h"
#include "graphics/CImageFile.h"
#include "graphics/CRefreshRegion.h"
#include "graphics/CScreenUnit.h"
#include "graphics/CValidationElement.h"
#include "graphics/CValidationQuene.h"
#include "graphics/CWindow.h"

#include <algorithm>

namespace {

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

} // namespace

CRefreshScreen::CRefreshScreen(CWindow* window, bool localDestination)
    : CGraphicsObject(window), destination_(nullptr), screenFlags_(0), refreshCounter_(0),
      region_(std::make_unique<CRefreshRegion>()), notify_(false), drawList_(std::make_unique<CValidationQuene>())
{
    if (window != nullptr) {
        setSize(window->GetScreenSize());
        SetBpp(window->GetBpp());
    }
    background_ = std::make_unique<CBackgroundManager>(window, this);
    if (localDestination) {
        localDestination_ = std::make_unique<CDirectDrawSurface>(window, Size(), GetBpp(), false);
        SetDataPtr(localDestination_->GetDataPtr());
    }
}

CRefreshScreen::~CRefreshScreen()
{
    background_->SetBackground(static_cast<CGraphicsObject*>(nullptr));
    loadedBackground_.reset();
    Empty();
    // Its pixels, if any, are the local destination's.
    SetDataPtr(nullptr);
}

CXRect CRefreshScreen::screenRect()
{
    return CXRect(0, 0, Width(), Height());
}

void CRefreshScreen::put(CGraphicsObject* object, int priority)
{
    if (object == nullptr || drawList_->find(object) != nullptr)
        return;
    object->SetCanvas(this);
    drawList_->put(object, priority);
    object->Invalidate();
}

CRefreshScreen& CRefreshScreen::operator<<(CGraphicsObject* object)
{
    put(object, 0);
    return *this;
}

CRefreshScreen& CRefreshScreen::operator>>(CGraphicsObject* object)
{
    if (object != nullptr && drawList_->take(object))
        object->SetCanvas(nullptr);
    return *this;
}

void CRefreshScreen::SetPriority(CGraphicsObject* object, int priority)
{
    if (object != nullptr && drawList_->take(object))
        drawList_->put(object, priority);
}

int CRefreshScreen::GetPriority(CGraphicsObject* object)
{
    CValidationElement* element = drawList_->find(object);
    return element != nullptr ? element->getPriority() : -1;
}

int CRefreshScreen::getIndex(CGraphicsObject* object)
{
    CValidationElement* element = drawList_->find(object);
    return element != nullptr ? drawList_->indexOf(element) : -1;
}

int CRefreshScreen::GetFlags(CGraphicsObject* object)
{
    CValidationElement* element = drawList_->find(object);
    return element != nullptr ? element->GetFlags() : 0;
}

bool CRefreshScreen::SetFlags(CGraphicsObject* object, int flags)
{
    if (object == nullptr) {
        screenFlags_ = flags;
        return true;
    }
    CValidationElement* element = drawList_->find(object);
    if (element == nullptr)
        return false;
    element->SetFlags(flags);
    return true;
}

void CRefreshScreen::Empty()
{
    for (int i = 0; i < drawList_->getSize(); ++i)
        drawList_->elementAt(i)->getObject()->SetCanvas(nullptr);
    drawList_->clear();
}

void CRefreshScreen::Visible(bool visible)
{
    for (int i = 0; i < drawList_->getSize(); ++i)
        drawList_->elementAt(i)->getObject()->Visible(visible);
}

void CRefreshScreen::onDestroy(CGraphicsObject* object)
{
    CGraphicsObject::onDestroy(object);
    drawList_->take(object);
}

void CRefreshScreen::Invalidate(CXRect* rect)
{
    CXRect whole = screenRect();
    CXRect dirty = rect != nullptr ? rect->Common(whole) : whole;
    if (hasArea(dirty))
        region_->add(&dirty);
}

void CRefreshScreen::Invalidate(CGraphicsObject* object)
{
    if (object != nullptr && object->isVisible() && drawList_->find(object) != nullptr) {
        CXRect box = object->GetBoundingBox();
        Invalidate(&box);
    }
}

void CRefreshScreen::validate()
{
    region_->removeAll();
}

bool CRefreshScreen::Redraw(CDirectDrawSurface* target, CSurface*, bool* wholeScreen)
{
    CScreenUnitLink* link = CScreenUnitLink::installed();
    CScreenUnit* unit = link != nullptr ? link->getDefUnit() : nullptr;
    if (unit == nullptr)
        return drawingPass(target);
    if (unit->wasInitiallyUpdated()) {
        unit->onCanvasRefreshed();
        return drawingPass(target);
    }
    if (notify_)
        notify(0);
    unit->onInitialUpdate();
    Invalidate(static_cast<CXRect*>(nullptr));
    if (wholeScreen != nullptr)
        *wholeScreen = true;
    bool drawn = unit->wasInitiallyUpdated() && drawingPass(target);
    notify(5);
    return drawn;
}

void CRefreshScreen::Redraw()
{
    if (localDestination_ != nullptr)
        drawingPass(localDestination_.get());
}

bool CRefreshScreen::dirtyWhole(const CXRect& part) const
{
    if (region_->isWhole())
        return true;
    for (int i = 0; i < region_->getSize(); ++i) {
        if (part.IsPartOf(*region_->rectAt(i)))
            return true;
    }
    return false;
}

void CRefreshScreen::drawElement(CValidationElement* element, CDirectDrawSurface* target)
{
    CGraphicsObject* object = element->getObject();
    // Hidden objects are never drawn, whole frames included.
    if (!object->isVisible())
        return;
    CXRect box = object->GetBoundingBox();
    CXRect own = object->GetClippingRect();
    CXRect part = box.Common(screenRect());
    // An invalidated object is drawn whole at once, where that stays within the dirty region.
    if (object->isInvalidated() && hasArea(part) && dirtyWhole(part)) {
        object->SetClippingRect(part - object->GetPosition());
        object->SetDestiny(target);
        object->Redraw();
        object->SetClippingRect(own);
        return;
    }
    for (int i = 0; i < region_->getSize() && !element->isDrawn(); ++i) {
        CXRect* entry = region_->rectAt(i);
        CXRect piece = entry != nullptr ? box.Common(*entry) : box;
        if (!hasArea(piece))
            continue;
        object->SetDestiny(target);
        // An object with a clipping rectangle of its own is drawn through that one.
        if (own.IsEmpty())
            object->SetClippingRect(piece - object->GetPosition());
        object->Redraw();
        object->SetClippingRect(own);
        if (piece.Width() == object->Width() && piece.Height() == object->Height())
            element->setDrawn(true);
    }
}

bool CRefreshScreen::drawingPass(CDirectDrawSurface* target)
{
    bool dirty = region_->getSize() > 0;
    ++refreshCounter_;
    destination_ = target;
    if (target == nullptr)
        return dirty;
    background_->Redraw(target, region_.get());
    bool listed = !drawList_->isEmpty();
    if (listed && notify_)
        notify(1);
    target->dropDataPtr();
    target->GetDataPtr();
    for (int i = 0; i < drawList_->getSize(); ++i)
        drawElement(drawList_->elementAt(i), target);
    if (listed && notify_)
        notify(2);
    for (int i = 0; i < drawList_->getSize(); ++i)
        drawList_->elementAt(i)->setDrawn(false);
    if ((screenFlags_ & 2) != 0)
        target->ToGrayScale();
    return dirty;
}

void CRefreshScreen::SetBackground(CGraphicsObject* object)
{
    background_->SetBackground(object);
}

void CRefreshScreen::SetBackground(CColor* color)
{
    background_->SetBackground(color);
}

void CRefreshScreen::SetBackground(const CXString& file)
{
    CImageFile image(getWindow());
    image.Load(file);
    std::unique_ptr<CGraphicsObject> loaded(image.GetGraphicsObject());
    if (loaded == nullptr || loaded->LastError() != 0)
        return;
    // The background's new surface is drawn from the new picture before the old picture goes.
    background_->SetBackground(loaded.get());
    loadedBackground_ = std::move(loaded);
}

void CRefreshScreen::flush()
{
    CDirectDrawSurface* background = getBackgroundIfc();
    if (background != nullptr && background->getApplied() == loadedBackground_.get())
        background->applyToRestore(nullptr);
    loadedBackground_.reset();
}

void CRefreshScreen::Save(const CXString& name, _compression code)
{
    if (destination_ != nullptr)
        destination_->Save(name, code);
}

void CRefreshScreen::setBackground(CDirectDrawSurface* surface)
{
    background_->setBackground(surface);
}

CDirectDrawSurface* CRefreshScreen::getBackgroundIfc() const
{
    return background_->getBkg();
}

void CRefreshScreen::addNotifier(CCanvasObserver* observer)
{
    if (observer != nullptr && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void CRefreshScreen::removeNotifier(CCanvasObserver* observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void CRefreshScreen::notify(int code)
{
    // An observer may leave (or bring others) while told: the walk goes over a copy.
    const std::vector<CCanvasObserver*> observers = observers_;
    for (CCanvasObserver* observer : observers) {
        if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
            continue;
        switch (code) {
        case 0:
            observer->onInitialUpdate();
            break;
        case 1:
            observer->onUpdate();
            break;
        case 2:
            observer->onUpdated();
            break;
        case 3:
            observer->onFocusOn();
            break;
        case 4:
            observer->onFocusOff();
            break;
        case 5:
            observer->onInitialUpdated();
            break;
        default:
            break;
        }
    }
}

void CRefreshScreen::onFocusOn()
{
    if (notify_)
        notify(3);
}

void CRefreshScreen::onFocusOff()
{
    if (notify_)
        notify(4);
}

CGraphicsObject* CRefreshScreen::getGraphicsAt(int x, int y, bool visibleOnly, int minPriority, int maxPriority, bool boundsOnly)
{
    CGraphicsObject* found = nullptr;
    CXPoint point(x, y);
    for (int i = 0; i < drawList_->getSize(); ++i) {
        CValidationElement* element = drawList_->elementAt(i);
        int priority = element->getPriority();
        CGraphicsObject* object = element->getObject();
        if ((minPriority >= 0 && priority < minPriority) || (maxPriority >= 0 && priority > maxPriority))
            continue;
        if ((visibleOnly && !object->isVisible()) || !object->GetBoundingBox().IsInRect(point))
            continue;
        // Only pictures with an alpha plane can be transparent.
        bool hasAlpha = object->getDrawn() != nullptr && object->getDrawn()->GetChannelAlpha() != nullptr;
        if (!boundsOnly && hasAlpha && object->GetPixel(CHANNEL_ALPHA, object->ClientCoords(point)) == 0)
            continue;
        found = object;
    }
    return found;
}
