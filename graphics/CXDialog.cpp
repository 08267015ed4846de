#include "graphics/CXDialog.h"

#include "foundation/IntegerWrap.h"
#include "graphics/CButton.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CHotSpot.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CScreenUnit.h"
#include "graphics/CWindow.h"
#include "script/CMC_ObjectsContainer.h"

#include <algorithm>

using foundation::wrapAdd;
using foundation::wrapSub;

namespace {

CXRect stripOver(CGraphicsObject* background)
{
    CXRect box = background->GetBoundingBox();
    return CXRect(box.left, box.top, box.right, wrapAdd(box.top, CXDialog::titleHeight));
}

} // namespace

// Without its picture the strip is no handle.
CXDialog::CXDialog(CMC_ObjectsContainer* owner)
    : window_(CMC_ObjectsContainer::windowOf(owner)), background_(nullptr, [this] { enableStrip(false); })
{
}

CXDialog::~CXDialog() = default;

CRefreshScreen* CXDialog::screen() const
{
    return window_ != nullptr ? window_->GetRefreshScreenInterface() : nullptr;
}

void CXDialog::setBackground(CGraphicsObject* background)
{
    if (background == nullptr || window_ == nullptr)
        return;
    title_.reset();
    background_.reset(background);
    CXRect strip = stripOver(background);
    lastDrag_ = strip.TopLeft();
    title_ = std::make_unique<CButton>(window_, strip, titleButtonId, nullptr);
    title_->SetDeleteFlags(false, false);
    title_->addNotifier(this);
    CScreenUnitLink* link = CScreenUnitLink::installed();
    title_->setUnit(link != nullptr ? link->getDefUnit() : nullptr);
    title_->Set(background, nullptr, true, false);
    title_->EnableDragging(true);
    title_->EnableCursor(false);
    // Drawn over what lies below it, it takes the clicks there too.
    title_->setPriority(backgroundPriority);
    if (CRefreshScreen* shown = screen()) {
        *shown >> background;
        shown->put(background, backgroundPriority);
    }
}

void CXDialog::raise(CGraphicsObject* picture)
{
    CRefreshScreen* shown = screen();
    if (picture == nullptr || shown == nullptr)
        return;
    int priority = shown->GetPriority(picture);
    *shown >> picture;
    shown->put(picture, wrapAdd(priority, memberRaise));
}

void CXDialog::add(CButton* button)
{
    const std::vector<CButton*> recorded = liveButtons();
    if (button == nullptr || std::ranges::find(recorded, button) != recorded.end())
        return;
    buttons_.push_back({button, button->lifeToken()});
    for (CGraphicsObject* look : {button->GetStandard(), button->GetOnMove(), button->GetOnClick()})
        raise(look);
}

void CXDialog::add(CGraphicsObject* graphics)
{
    const std::vector<CGraphicsObject*> recorded = liveGraphics();
    if (graphics == nullptr || std::ranges::find(recorded, graphics) != recorded.end())
        return;
    graphics_.push_back(std::make_unique<CGraphicsRef>(graphics));
    raise(graphics);
}

std::vector<CButton*> CXDialog::liveButtons() const
{
    std::vector<CButton*> live;
    for (const Member& member : buttons_) {
        if (*member.alive)
            live.push_back(member.button);
    }
    return live;
}

std::vector<CGraphicsObject*> CXDialog::liveGraphics() const
{
    std::vector<CGraphicsObject*> live;
    for (const auto& graphics : graphics_) {
        if (graphics->get() != nullptr)
            live.push_back(graphics->get());
    }
    return live;
}

void CXDialog::enableStrip(bool enabled)
{
    if (title_ != nullptr)
        title_->getHotSpot()->Enable(enabled && background_.get() != nullptr);
}

void CXDialog::show()
{
    for (CGraphicsObject* graphics : liveGraphics())
        graphics->Visible(true);
    for (CButton* button : liveButtons())
        button->Enable(true);
    enableStrip(true);
}

void CXDialog::hide()
{
    for (CGraphicsObject* graphics : liveGraphics())
        graphics->Visible(false);
    for (CButton* button : liveButtons())
        button->Enable(false);
    if (CGraphicsObject* background = background_.get())
        background->Visible(false);
    enableStrip(false);
}

void CXDialog::move(int dx, int dy)
{
    for (CGraphicsObject* graphics : liveGraphics())
        graphics->Move(dx, dy);
    for (CButton* button : liveButtons())
        button->Move(dx, dy);
}

void CXDialog::onStartDragging(CControl*, CXPoint point)
{
    lastDrag_ = point;
}

void CXDialog::onDragging(CControl*, CXPoint point)
{
    move(wrapSub(point.x, lastDrag_.x), wrapSub(point.y, lastDrag_.y));
    lastDrag_ = point;
}

void CXDialog::onEndDragging(CControl*, CXPoint)
{
    if (title_ != nullptr && background_.get() != nullptr)
        title_->SetActiveRect(stripOver(background_.get()));
}
