#include "objects/CMC_Scroll.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

#include <algorithm>

namespace {

const CXRect kNoClipping(0, 0, 0, 0);

} // namespace

const CSignalList& CMC_Scroll::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONTOP", "ONBOTTOM", "ONLEFT", "ONRIGHT"};
    return list;
}

CMC_Scroll::CMC_Scroll(CMC_ObjectsContainer* container) : CMC_Object("temp", script::TYPE_SCROLL)
{
    setScene(container);
}

CMC_Scroll::CMC_Scroll(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_SCROLL), viewport_(element->getPropertyRectValue("VIEWPORT"))
{
    initializeBehaviours(container, element);
}

CMC_Scroll::~CMC_Scroll()
{
    beginDestruction();
}

CXString** CMC_Scroll::getBehavioursList()
{
    return signalList().make();
}

// ---- the pictures ----------------------------------------------------------------------------

void CMC_Scroll::dropStale()
{
    CMC_ObjectsContainer* container = getScene();
    std::erase_if(pictures_, [container](const Picture& held) {
        CMC_Object* owner = held.owner.get();
        return owner == nullptr || CMC_CreationChain::graphicsOf(owner, container, held.hasPart ? &held.part : nullptr) != held.picture;
    });
}

std::vector<CGraphicsObject*> CMC_Scroll::getPictures()
{
    dropStale();
    std::vector<CGraphicsObject*> held;
    for (const Picture& entry : pictures_)
        held.push_back(entry.picture);
    return held;
}

void CMC_Scroll::add(const CXString& name)
{
    CMC_ObjectsContainer* container = getScene();
    CGraphicsObject* picture = container != nullptr ? container->getGraphicsObject(name) : nullptr;
    if (picture == nullptr)
        return;
    int bang = name.Find('!');
    CMC_Object* owner = container->getObject(bang < 0 ? name : name.Left(bang));
    dropStale();
    clip(picture);
    pictures_.push_back(Picture{owner, bang < 0 ? CXString() : name.Right(bang + 1), bang >= 0, picture});
}

void CMC_Scroll::remove(const CXString& name)
{
    CMC_ObjectsContainer* container = getScene();
    CGraphicsObject* picture = container != nullptr ? container->getGraphicsObject(name) : nullptr;
    dropStale();
    auto listed = std::find_if(pictures_.begin(), pictures_.end(), [picture](const Picture& held) { return held.picture == picture; });
    if (picture == nullptr || listed == pictures_.end())
        return;
    pictures_.erase(listed);
    picture->SetClippingRect(kNoClipping);
}

void CMC_Scroll::clip(CGraphicsObject* picture)
{
    CXRect inside = picture->GetBoundingBox().Common(viewport_);
    if (inside.Width() > 0 && inside.Height() > 0) {
        picture->SetClippingRect(inside - picture->GetPosition());
        if (!picture->isVisible())
            picture->Visible(true);
    } else if (picture->isVisible()) {
        picture->Visible(false);
    }
}

// ---- scrolling -------------------------------------------------------------------------------

void CMC_Scroll::scrollBy(int dx, int dy)
{
    dropStale();
    for (const Picture& held : pictures_) {
        held.picture->SetClippingRect(kNoClipping);
        held.picture->Move(dx, dy);
        clip(held.picture);
    }
    CWindow* window = CMC_ObjectsContainer::windowOf(getScene());
    if (CRefreshScreen* screen = window != nullptr ? window->GetRefreshScreenInterface() : nullptr)
        screen->Invalidate(static_cast<CXRect*>(nullptr));
}

void CMC_Scroll::scrollUp(int n)
{
    scrollBy(0, -n);
}

void CMC_Scroll::scrollDown(int n)
{
    scrollBy(0, n);
}

void CMC_Scroll::scrollLeft(int n)
{
    scrollBy(-n, 0);
}

void CMC_Scroll::scrollRight(int n)
{
    scrollBy(n, 0);
}

void CMC_Scroll::setViewport(const CXRect& viewport)
{
    viewport_ = viewport;
    invalidate();
}

void CMC_Scroll::moveViewport(int dx, int dy)
{
    viewport_ += CXPoint(dx, dy);
    invalidate();
}

void CMC_Scroll::move(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    viewport_ += CXPoint(dx, dy);
    dropStale();
    for (const Picture& held : pictures_)
        held.picture->Move(dx, dy);
}

void CMC_Scroll::invalidate()
{
    dropStale();
    for (const Picture& held : pictures_) {
        held.picture->SetClippingRect(kNoClipping);
        clip(held.picture);
    }
}

// ---- stored record ---------------------------------------------------------------------------

void CMC_Scroll::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring()) {
        *archive << viewport_;
        return;
    }
    CXRect viewport;
    *archive >> &viewport;
    if (archive->LastError() == 0)
        viewport_ = viewport;
}
