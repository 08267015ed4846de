#pragma once

class CGraphicsObject;

// Told by the collision inspector when a monitored object, after a move, starts or stops meeting
// another: `moved` is the monitored object whose move was tested, `other` the one it met or left.
class CCollisionObserver {
public:
    virtual ~CCollisionObserver() = default;

    virtual void onCollision(CGraphicsObject* moved, CGraphicsObject* other) = 0;
    virtual void onCollisionFinished(CGraphicsObject* moved, CGraphicsObject* other) = 0;
};
