#include "objects/CPlanesLink.h"

#include "graphics/CGraphicsObject.h"

#include <unordered_map>

namespace {

// The link of each view that has one.
std::unordered_map<CGraphicsObject*, CPlanesLink*>& links()
{
    static std::unordered_map<CGraphicsObject*, CPlanesLink*> byView;
    return byView;
}

} // namespace

CPlanesLink::CPlanesLink(CGraphicsObject* view, CGraphicsObject* source) : view_(view), source_(source)
{
    links()[view] = this;
    view->addInvalidateObserver(this);
    source->addInvalidateObserver(this);
    view->viewPlanesOf(*source);
    view->Invalidate();
}

CPlanesLink::~CPlanesLink()
{
    view_->removeInvalidateObserver(this);
    source_->removeInvalidateObserver(this);
    links().erase(view_);
}

void CPlanesLink::link(CGraphicsObject* view, CGraphicsObject* source)
{
    if (view == nullptr || source == nullptr || view == source)
        return;
    // A source that follows the view, however indirectly, would make a circle of links.
    for (CGraphicsObject* followed = source; followed != nullptr; followed = sourceOf(followed)) {
        if (followed == view)
            return;
    }
    unlink(view);
    new CPlanesLink(view, source);
}

void CPlanesLink::unlink(CGraphicsObject* view)
{
    auto found = links().find(view);
    if (found != links().end())
        found->second->end();
}

CGraphicsObject* CPlanesLink::sourceOf(CGraphicsObject* view)
{
    auto found = links().find(view);
    return found != links().end() ? found->second->source_ : nullptr;
}

void CPlanesLink::end()
{
    delete this;
}

bool CPlanesLink::follow()
{
    if (view_->GetDataPtr() == source_->GetDataPtr() && view_->GetChannelAlpha() == source_->GetChannelAlpha() &&
        view_->Width() == source_->Width() && view_->Height() == source_->Height())
        return false;
    view_->viewPlanesOf(*source_);
    return true;
}

void CPlanesLink::onInvalidate(CGraphicsObject* object, CXRect*)
{
    if (object == source_) {
        if (follow())
            view_->Invalidate();
    } else if (object == view_ && view_->ownsData()) {
        // The view read planes of its own.
        end();
    }
}

void CPlanesLink::onDestroy(CGraphicsObject* object)
{
    if (object == source_) {
        CGraphicsObject nothing(view_->getWindow());
        view_->viewPlanesOf(nothing);
        view_->Invalidate();
    }
    end();
}
