#include "graphics/CCollisionInspector.h"

#include "graphics/CCollisionObserver.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CMonitoredObject.h"
#include "foundation/IntegerWrap.h"

#include <algorithm>

namespace {

template <typename T>
void eraseValue(std::vector<T*>& list, const T* value)
{
    auto found = std::find(list.begin(), list.end(), value);
    if (found != list.end())
        list.erase(found);
}

} // namespace

CCollisionInspector::CCollisionInspector() = default;

CCollisionInspector::~CCollisionInspector()
{
    for (CMonitoredObject* entry : monitored_)
        delete entry;
}

CMonitoredObject* CCollisionInspector::find(const CGraphicsObject* object) const
{
    for (CMonitoredObject* entry : monitored_) {
        if (entry->getObject() == object && entry->isActive())
            return entry;
    }
    return nullptr;
}

void CCollisionInspector::addMonitoredObject(CGraphicsObject* object, bool alphaTest)
{
    if (object != nullptr && find(object) == nullptr)
        monitored_.push_back(new CMonitoredObject(object, alphaTest));
}

void CCollisionInspector::removeMonitoredObject(CGraphicsObject* object)
{
    CMonitoredObject* entry = find(object);
    if (entry == nullptr)
        return;
    // Nothing may keep the object as a partner: another object made later at the same address
    // would start out "already colliding".
    for (CMonitoredObject* other : monitored_)
        other->removeCollision(object);
    eraseValue(moved_, entry);
    entry->setActive(false);
    if (!ticking_)
        deleteInactive();
}

void CCollisionInspector::deleteInactive()
{
    auto inactive = std::stable_partition(monitored_.begin(), monitored_.end(),
                                          [](CMonitoredObject* entry) { return entry->isActive(); });
    for (auto it = inactive; it != monitored_.end(); ++it)
        delete *it;
    monitored_.erase(inactive, monitored_.end());
}

void CCollisionInspector::addNotifier(CCollisionObserver* observer)
{
    if (observer != nullptr && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void CCollisionInspector::removeNotifier(CCollisionObserver* observer)
{
    eraseValue(observers_, observer);
}

void CCollisionInspector::onPositionChanged(CGraphicsObject* object)
{
    CMonitoredObject* entry = find(object);
    if (entry != nullptr && !entry->isMoved()) {
        entry->setMoved(true);
        moved_.push_back(entry);
    }
}

void CCollisionInspector::tick()
{
    if (ticking_ || moved_.empty())
        return;
    ticking_ = true;
    testing_.swap(moved_);
    for (CMonitoredObject* entry : testing_) {
        if (!entry->isActive())
            continue;
        entry->setMoved(false);
        test(entry);
    }
    testing_.clear();
    ticking_ = false;
    deleteInactive();
}

void CCollisionInspector::test(CMonitoredObject* moved)
{
    CGraphicsObject* object = moved->getObject();
    CXRect box = object->GetBoundingBox();
    // By index: observers may watch more objects while they are told.
    for (size_t i = 0; i < monitored_.size() && moved->isActive(); ++i) {
        CMonitoredObject* other = monitored_[i];
        if (!other->isActive() || other->getObject() == object)
            continue;
        bool colliding = collide(moved, box, other);
        if (colliding == moved->collidesWith(other->getObject()))
            continue;
        CGraphicsObject* partner = other->getObject();
        if (colliding) {
            moved->addCollision(partner);
            other->addCollision(object);
            notify(CollisionStarted, object, partner);
        } else {
            moved->removeCollision(partner);
            other->removeCollision(object);
            notify(CollisionFinished, object, partner);
        }
    }
}

bool CCollisionInspector::collide(CMonitoredObject* moved, CXRect movedBox, CMonitoredObject* other)
{
    CXRect otherBox = other->getObject()->GetBoundingBox();
    if (movedBox.Common(otherBox).IsEmpty())
        return false;
    return !moved->usesAlphaTest() || checkAlphaCollision(moved->getObject(), movedBox, other->getObject(), otherBox);
}

void CCollisionInspector::notify(int code, CGraphicsObject* moved, CGraphicsObject* other)
{
    // Observers may come and go while they are told; one that left is not told any more.
    std::vector<CCollisionObserver*> listed(observers_);
    for (CCollisionObserver* observer : listed) {
        if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
            continue;
        if (code == CollisionStarted)
            observer->onCollision(moved, other);
        else if (code == CollisionFinished)
            observer->onCollisionFinished(moved, other);
    }
}

bool CCollisionInspector::checkAlphaCollision(CGraphicsObject* a, CXRect boxA, CGraphicsObject* b, CXRect boxB)
{
    if (b->GetCompression() != COMPRESSION_NONE || b->GetChannelAlpha() == nullptr)
        return false;
    int width = a->Width();
    int height = a->Height();
    int right = foundation::wrapSub(width, 1);
    int bottom = foundation::wrapSub(height, 1);
    // Corners and edge midpoints, clockwise from the top-left.
    const CXPoint offsets[] = {
        CXPoint(0, 0),          CXPoint(width / 2, 0),      CXPoint(right, 0), CXPoint(right, height / 2),
        CXPoint(right, bottom), CXPoint(width / 2, bottom), CXPoint(0, bottom), CXPoint(0, height / 2),
    };
    for (CXPoint offset : offsets) {
        CXPoint point = boxA.TopLeft() + offset;
        if (boxB.IsInRect(point) && b->GetPixel(CHANNEL_ALPHA, b->ClientCoords(point)) != 0)
            return true;
    }
    return false;
}
