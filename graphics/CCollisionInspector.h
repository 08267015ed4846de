#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXRect.h"

#include <vector>

class CCollisionObserver;
class CGraphicsObject;
class CMonitoredObject;

// Finds which monitored graphics objects overlap and tells its observers, once each, when two
// start and when they stop colliding. Only objects that moved since the last tick are tested,
// each against every monitored object: a still scene costs nothing. Two objects collide when
// their bounding boxes share an area (touching edges do not count) and, when the moved object is
// monitored with the alpha test, the other shows a pixel there.
//
// The window owns the inspector and ticks it once per turn. Observers may add, remove and move
// objects while they are told: a removal takes effect at once, a move is tested in the next
// tick. Main thread only.
class CCollisionInspector : public CXObject {
public:
    // What notify() reports.
    enum Notification { CollisionStarted = 1, CollisionFinished = 2 };

    CCollisionInspector();
    ~CCollisionInspector() override;
    CCollisionInspector(const CCollisionInspector&) = delete;
    CCollisionInspector& operator=(const CCollisionInspector&) = delete;

    // Watches the object from now on (not yet moved, colliding with nothing). One already watched
    // keeps its alpha-test choice.
    void addMonitoredObject(CGraphicsObject* object, bool alphaTest);
    // Forgets the object and every collision with it, without reports; nothing when unwatched.
    void removeMonitoredObject(CGraphicsObject* object);
    // Each observer is listed once.
    void addNotifier(CCollisionObserver* observer);
    void removeNotifier(CCollisionObserver* observer);
    // The object's position changed: its collisions are tested in the next tick.
    virtual void onPositionChanged(CGraphicsObject* object);
    void tick();

    // Tells the observers in list order.
    virtual void notify(int code, CGraphicsObject* moved, CGraphicsObject* other);
    // True when one of eight points of a's box edge (corners and midpoints) lies in b's box where
    // b shows a pixel (alpha above 0). Only b's raw pixels are read: false when b is packed or
    // has no alpha plane.
    virtual bool checkAlphaCollision(CGraphicsObject* a, CXRect boxA, CGraphicsObject* b, CXRect boxB);

private:
    // The watched entry of the object; null when there is none.
    CMonitoredObject* find(const CGraphicsObject* object) const;
    void test(CMonitoredObject* moved);
    bool collide(CMonitoredObject* moved, CXRect movedBox, CMonitoredObject* other);
    // Deletes the entries removed while a tick ran.
    void deleteInactive();

    // Registration order. An entry removed during a tick stays here, inactive, until it ends.
    std::vector<CMonitoredObject*> monitored_;
    std::vector<CCollisionObserver*> observers_;
    std::vector<CMonitoredObject*> moved_;
    // The moves a tick is testing; moves reported meanwhile wait in moved_ for the next tick.
    std::vector<CMonitoredObject*> testing_;
    bool ticking_ = false;
};
