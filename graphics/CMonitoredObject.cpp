#include "graphics/CMonitoredObject.h"

#include <algorithm>

CMonitoredObject::CMonitoredObject(CGraphicsObject* object, bool alphaTest) : object_(object), alphaTest_(alphaTest)
{
    collisions_.reserve(5);
}

bool CMonitoredObject::collidesWith(const CGraphicsObject* other) const
{
    return std::find(collisions_.begin(), collisions_.end(), other) != collisions_.end();
}

void CMonitoredObject::addCollision(CGraphicsObject* other)
{
    if (!collidesWith(other))
        collisions_.push_back(other);
}

void CMonitoredObject::removeCollision(const CGraphicsObject* other)
{
    auto found = std::find(collisions_.begin(), collisions_.end(), other);
    if (found != collisions_.end())
        collisions_.erase(found);
}
