#pragma once

#include "foundation/CXObject.h"

#include <vector>

class CGraphicsObject;

// One graphics object that the collision inspector watches: whether its moves are tested with the
// alpha test, whether it waits in the moved list, and the objects it collides with now. It owns
// nothing of the objects it names.
class CMonitoredObject : public CXObject {
public:
    CMonitoredObject(CGraphicsObject* object, bool alphaTest);

    CGraphicsObject* getObject() const { return object_; }
    bool usesAlphaTest() const { return alphaTest_; }
    bool isActive() const { return active_; }
    void setActive(bool active) { active_ = active; }
    bool isMoved() const { return (flags_ & MovedFlag) != 0; }
    void setMoved(bool moved) { flags_ = moved ? flags_ | MovedFlag : flags_ & ~MovedFlag; }

    bool collidesWith(const CGraphicsObject* other) const;
    // Each object is listed once.
    void addCollision(CGraphicsObject* other);
    void removeCollision(const CGraphicsObject* other);

private:
    static constexpr int MovedFlag = 1;

    CGraphicsObject* object_;
    bool alphaTest_;
    int flags_ = 0;
    std::vector<CGraphicsObject*> collisions_;
    bool active_ = true;
};
