#include "objects/CMC_Canvas.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "graphics/CCanvas.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

namespace {

const CMC_PointerTarget::PointerRules kRules{};

} // namespace

const CSignalList& CMC_Canvas::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONFOCUSON", "ONFOCUSOFF", "ONCLICK", "ONRELEASE"};
    return list;
}

CMC_Canvas::CMC_Canvas(CMC_ObjectsContainer* container, CCanvas* canvas)
    : CMC_PointerTarget(container, "temp", script::TYPE_CANVAS, kRules), canvas_(canvas)
{
    asButton_ = true;
    if (canvas_ != nullptr)
        canvas_->clear(false);
}

CMC_Canvas::CMC_Canvas(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_PointerTarget(container, element, script::TYPE_CANVAS, kRules)
{
    asButton_ = true;
    int priority = element->getPropertyIntValue("PRIORITY");
    CXSize size(element->getPropertyIntValue("WIDTH"), element->getPropertyIntValue("HEIGHT"));
    bool alpha = element->getPropertyBoolValue("ALPHA");
    bool background = element->getPropertyBoolValue("BACKGROUND");
    initializeBehaviours(container, element);
    create(size, alpha, background, priority, false);
}

CMC_Canvas::~CMC_Canvas()
{
    beginDestruction();
    dropCanvas();
}

CRefreshScreen* CMC_Canvas::screen() const
{
    return window() != nullptr ? window()->GetRefreshScreenInterface() : nullptr;
}

void CMC_Canvas::makeCanvas(CXSize size, bool alpha, bool background, int priority)
{
    CRefreshScreen* shown = screen();
    canvas_ = std::make_unique<CCanvas>(window(), size, shown != nullptr ? shown->GetBpp() : 16, alpha, background);
    canvas_->clear(false);
    if (shown != nullptr)
        shown->put(canvas_.get(), priority);
}

void CMC_Canvas::dropCanvas()
{
    if (canvas_ == nullptr)
        return;
    canvas_->Invalidate();
    if (CRefreshScreen* shown = screen())
        *shown >> canvas_.get();
    canvas_.reset();
}

void CMC_Canvas::create(CXSize size, bool alpha, bool background, int priority, bool noReAdd)
{
    dropCanvas();
    makeCanvas(size, alpha, background, priority);
    CMC_ObjectsContainer* container = getScene();
    if (noReAdd || container == nullptr)
        return;
    for (CMC_Object* object : getAddedObjects()) {
        if (CGraphicsObject* picture = container->getGraphicsObject(object->getName()))
            canvas_->add(picture, priority);
    }
}

void CMC_Canvas::add(const CXString& name, int priority)
{
    CMC_ObjectsContainer* container = getScene();
    CGraphicsObject* picture = container != nullptr ? container->getGraphicsObject(name) : nullptr;
    if (picture == nullptr || canvas_ == nullptr)
        return;
    CMC_Object* object = container->getObject(name);
    if (object != nullptr && (object->getType() == script::TYPE_IMAGE || object->getType() == script::TYPE_TEXT))
        added_.emplace_back(object);
    canvas_->add(picture, priority);
}

void CMC_Canvas::capture(bool deleteSources)
{
    if (canvas_ != nullptr)
        canvas_->capture();
    std::vector<CMC_ObjectRef> added;
    added.swap(added_);
    if (!deleteSources)
        return;
    // An object listed twice, or deleted by a clone's capture, reads null by then.
    for (const CMC_ObjectRef& entry : added) {
        CMC_Object* object = entry.get();
        CMC_ObjectsContainer* holder = object != nullptr ? object->getScene() : nullptr;
        if (holder != nullptr && holder->removeObject(object))
            CMC_Object::destroy(object);
    }
}

std::vector<CMC_Object*> CMC_Canvas::getAddedObjects() const
{
    std::vector<CMC_Object*> alive;
    for (const CMC_ObjectRef& entry : added_) {
        if (CMC_Object* object = entry.get())
            alive.push_back(object);
    }
    return alive;
}

void CMC_Canvas::setAsButton(bool asButton, bool switchCursor)
{
    asButton_ = asButton;
    switchCursor_ = switchCursor;
}

bool CMC_Canvas::done(bool wholeContainer)
{
    dropCanvas();
    added_.clear();
    return CMC_Object::done(wholeContainer);
}

CXObject* CMC_Canvas::clone() const
{
    if (canvas_ == nullptr)
        return nullptr;
    auto* copy = new CMC_Canvas(const_cast<CMC_Canvas*>(this)->getScene(), static_cast<CCanvas*>(canvas_->clone()));
    copy->added_ = added_;
    return copy;
}

CXRect CMC_Canvas::hitRect()
{
    return canvas_ != nullptr ? canvas_->GetBoundingBox() : CXRect();
}

bool CMC_Canvas::isShown()
{
    return canvas_ != nullptr && canvas_->isVisible();
}

void CMC_Canvas::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive->isStoring()) {
        CRefreshScreen* shown = screen();
        int width = canvas_ != nullptr ? canvas_->Width() : 0;
        int height = canvas_ != nullptr ? canvas_->Height() : 0;
        int priority = canvas_ != nullptr && shown != nullptr ? shown->GetPriority(canvas_.get()) : -1;
        bool alpha = canvas_ != nullptr && canvas_->GetChannelAlpha() != nullptr;
        bool background = canvas_ != nullptr && canvas_->getBackground() != nullptr;
        *archive << width << height << priority << alpha << background;
        return;
    }
    int width = 0;
    int height = 0;
    int priority = 0;
    bool alpha = false;
    bool background = false;
    *archive >> &width >> &height >> &priority >> &alpha >> &background;
    dropCanvas();
    makeCanvas(CXSize(width, height), alpha, background, priority);
}
