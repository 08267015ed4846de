#include "graphics/CHotSpot.h"

#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CScreenUnit.h"
#include "graphics/CWindow.h"

#include <algorithm>

CHotSpot::CHotSpot(CWindow* window, CHotSpot* prototype, _event event, int number, CMC_Button* button)
    : button_(button)
{
    registerIn(window, prototype == nullptr);
}

CHotSpot::CHotSpot(CWindow* window)
{
    registerIn(window, true);
}

CHotSpot::CHotSpot(CWindow* window, _event event, int number)
{
    registerIn(window, true);
}

CHotSpot::~CHotSpot()
{
    remove(this);
}

void CHotSpot::registerIn(CWindow* window, bool append)
{
    initialize(window);
    if (append)
        add(this);
}

bool CHotSpot::add(CHotSpot* spot)
{
    if (list_)
        list_->push_back(spot);
    return true;
}

bool CHotSpot::remove(CHotSpot* spot)
{
    if (list_) {
        const auto found = std::find(list_->begin(), list_->end(), spot);
        if (found != list_->end())
            list_->erase(found);
    }
    return true;
}

void CHotSpot::initialize(CWindow* window)
{
    if (registryWindow_ == nullptr)
        registryWindow_ = window;
    if (!list_)
        list_ = std::make_unique<std::vector<CHotSpot*>>();
}

void CHotSpot::done()
{
    list_.reset();
    // The window goes with the list: it may be on its way out.
    registryWindow_ = nullptr;
}

void CHotSpot::resetStatics()
{
    done();
    minPriority_ = defaultMinPriority;
    maxPriority_ = defaultMaxPriority;
}

int CHotSpot::Set(CGraphicsObject* graphics, bool alpha)
{
    graphics_ = graphics;
    alpha_ = alpha;
    rect_.SetToEmpty();
    return 0;
}

int CHotSpot::SetActiveRect(CXRect rect, _event event, int number)
{
    rect_ = rect;
    graphics_ = nullptr;
    return 0;
}

bool CHotSpot::TestHit(CXPoint point) const
{
    if (!enabled_)
        return false;
    if (rect_.Width() != 0 && rect_.Height() != 0)
        return rect_.IsInRect(point);
    return graphics_ != nullptr && graphics_->testHit(point, alpha_);
}

void CHotSpot::Enable(bool enabled)
{
    if (enabled_ && !enabled && !inside_)
        endCursor();
    enabled_ = enabled;
}

int CHotSpot::getPriority()
{
    if (graphics_ == nullptr)
        return priority_;
    CRefreshScreen* screen = registryWindow_ != nullptr ? registryWindow_->GetRefreshScreenInterface() : nullptr;
    return screen != nullptr ? screen->GetPriority(graphics_) : -1;
}

bool CHotSpot::inPriorityBand()
{
    const int priority = getPriority();
    return priority >= minPriority_ && priority <= maxPriority_;
}

bool CHotSpot::unitAllows() const
{
    return unit_ == nullptr || unit_->isActive();
}

void CHotSpot::endCursor() const
{
    if (cursor_ && registryWindow_ != nullptr)
        registryWindow_->EndActiveCursor();
}

void CHotSpot::beginCursor() const
{
    if (cursor_ && registryWindow_ != nullptr)
        registryWindow_->BeginActiveCursor();
}

bool CHotSpot::isRegistered(const CHotSpot* spot)
{
    return list_ && std::find(list_->begin(), list_->end(), spot) != list_->end();
}

CHotSpot* CHotSpot::findAt(const std::vector<CHotSpot*>& list, CXPoint point)
{
    CHotSpot* best = nullptr;
    int bestPriority = -1;
    for (CHotSpot* spot : list) {
        if (!spot->TestHit(point) || !spot->unitAllows() || !spot->enabled_)
            continue;
        const int priority = spot->getPriority();
        if (priority >= minPriority_ && priority <= maxPriority_ && priority > bestPriority) {
            best = spot;
            bestPriority = priority;
        }
    }
    return best;
}

int CHotSpot::OnMouseEvent(int event, CXPoint point, int flags)
{
    if (!list_)
        return 0;
    switch (event) {
    case CWindow::MOUSE_MOVE: return dispatchMove(point, flags);
    case CWindow::LBUTTON_DOWN: return dispatchLeftDown(point, flags);
    case CWindow::LBUTTON_UP: return dispatchLeftUp(point, flags);
    case CWindow::RBUTTON_DOWN: return dispatchRightDown(point, flags);
    default: return 0;
    }
}

// Handlers run scripts, which may destroy spots: walks go over a copy of the list and skip the
// spots gone meanwhile.
int CHotSpot::dispatchMove(CXPoint point, int flags)
{
    int left = 0;
    const std::vector<CHotSpot*> spots = *list_;
    for (CHotSpot* spot : spots) {
        if (!isRegistered(spot) || !spot->enabled_ || !spot->owesLeaving() || !spot->inPriorityBand() || spot->TestHit(point))
            continue;
        left = spot->leave(point, flags);
        if (left > 0)
            break;
    }
    if (!list_)
        return left;
    CHotSpot* over = findAt(*list_, point);
    if (over == nullptr)
        return left;
    if (over->unitAllows())
        over->beginCursor();
    if (over->inside_)
        return over->OnMouseMove(point, flags, over->parent_);
    return over->enter(point, flags);
}

int CHotSpot::leave(CXPoint point, int flags)
{
    endCursor();
    inside_ = false;
    leavingOwed_ = false;
    return OnFocusOff(point, flags, parent_);
}

int CHotSpot::enter(CXPoint point, int flags)
{
    inside_ = true;
    leavingOwed_ = false;
    OnMouseMove(point, flags, parent_);
    return isRegistered(this) ? OnFocusOn(point, flags, parent_) : 0;
}

int CHotSpot::synchronize(CXPoint point)
{
    if (!isRegistered(this) || !enabled_ || !inPriorityBand())
        return 0;
    if (owesLeaving() && !TestHit(point))
        return leave(point, 0);
    if (inside_ || findAt(*list_, point) != this)
        return 0;
    beginCursor();
    return enter(point, 0);
}

int CHotSpot::dispatchLeftDown(CXPoint point, int flags)
{
    CHotSpot* spot = findAt(*list_, point);
    if (spot == nullptr)
        return 0;
    spot->inside_ = true;
    return spot->OnLButtonDown(point, flags, spot->parent_);
}

int CHotSpot::dispatchLeftUp(CXPoint point, int flags)
{
    CHotSpot* spot = findAt(*list_, point);
    if (spot == nullptr)
        return 0;
    spot->inside_ = false;
    spot->leavingOwed_ = true;
    return spot->OnLButtonUp(point, flags, spot->parent_);
}

int CHotSpot::dispatchRightDown(CXPoint point, int flags)
{
    int result = 0;
    const std::vector<CHotSpot*> spots = *list_;
    for (CHotSpot* spot : spots) {
        if (!isRegistered(spot) || !spot->TestHit(point))
            continue;
        spot->endCursor();
        spot->inside_ = true;
        result = spot->OnRButtonDown(point, flags, spot->parent_);
        if (result > 0)
            break;
    }
    return result;
}
