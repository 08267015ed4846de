#include "objects/CMC_Pattern.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "graphics/CPattern.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "script/CMC_TypeIds.h"

#include <algorithm>

namespace {

const CMC_PointerTarget::PointerRules kRules{};

} // namespace

const CSignalList& CMC_Pattern::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONFOCUSON", "ONFOCUSOFF", "ONCLICK", "ONRELEASE"};
    return list;
}

CMC_Pattern::CMC_Pattern(CMC_ObjectsContainer* container) : CMC_PointerTarget(container, "temp", script::TYPE_PATTERN, kRules)
{
    asButton_ = true;
}

CMC_Pattern::CMC_Pattern(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_PointerTarget(container, element, script::TYPE_PATTERN, kRules)
{
    asButton_ = true;
    bool toCanvas = element->getPropertyBoolValue("TOCANVAS");
    bool visible = element->getPropertyBoolValue("VISIBLE");
    int layers = element->getPropertyIntValue("LAYERS");
    int priority = element->getPropertyIntValue("PRIORITY");
    width_ = element->getPropertyIntValue("WIDTH");
    height_ = element->getPropertyIntValue("HEIGHT");
    gridX_ = element->getPropertyIntValue("GRIDX");
    gridY_ = element->getPropertyIntValue("GRIDY");
    makePattern(layers, visible, toCanvas ? priority : -1);
    initializeBehaviours(container, element);
}

CMC_Pattern::~CMC_Pattern()
{
    beginDestruction();
    if (pattern_ != nullptr)
        pattern_->Invalidate();
}

CRefreshScreen* CMC_Pattern::screen() const
{
    return window() != nullptr ? window()->GetRefreshScreenInterface() : nullptr;
}

void CMC_Pattern::makePattern(int layers, bool visible, int priority)
{
    gridX_ = std::max(gridX_, 1);
    gridY_ = std::max(gridY_, 1);
    if (pattern_ != nullptr)
        pattern_->Invalidate();
    pattern_ = std::make_unique<CPattern>(window(), CXSize(width_, height_), CXSize(gridX_, gridY_), layers);
    pattern_->Visible(visible);
    CRefreshScreen* shown = screen();
    if (shown != nullptr && priority >= 0)
        shown->put(pattern_.get(), priority);
}

bool CMC_Pattern::done(bool wholeContainer)
{
    if (pattern_ != nullptr)
        pattern_->removeAll();
    return CMC_Object::done(wholeContainer);
}

CXRect CMC_Pattern::hitRect()
{
    return pattern_ != nullptr ? pattern_->GetBoundingBox() : CXRect();
}

bool CMC_Pattern::isShown()
{
    return pattern_ != nullptr && pattern_->isVisible();
}

void CMC_Pattern::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring()) {
        CRefreshScreen* shown = screen();
        bool visible = pattern_ != nullptr && pattern_->isVisible();
        int priority = pattern_ != nullptr && shown != nullptr ? shown->GetPriority(pattern_.get()) : -1;
        int layers = pattern_ != nullptr ? pattern_->getLayers() : 1;
        *archive << visible << priority << width_ << height_ << gridX_ << gridY_ << layers;
        return;
    }
    bool visible = false;
    int priority = -1;
    int width = 0;
    int height = 0;
    int gridX = 0;
    int gridY = 0;
    int layers = 0;
    *archive >> &visible >> &priority >> &width >> &height >> &gridX >> &gridY >> &layers;
    if (archive->LastError() != 0)
        return;
    width_ = width;
    height_ = height;
    gridX_ = gridX;
    gridY_ = gridY;
    makePattern(layers, visible, priority);
}
