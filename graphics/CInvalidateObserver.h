#pragma once

class CGraphicsObject;
class CXRect;

// Told when a graphics object it watches changes a part of itself or goes away. The watched object
// holds a bare pointer: an observer that dies first must remove itself.
class CInvalidateObserver {
public:
    virtual ~CInvalidateObserver() = default;
    // `rect` is the changed part, in the coordinates of the object's target.
    virtual void onInvalidate(CGraphicsObject* object, CXRect* rect) = 0;
    // The object is being destroyed: drop every reference to it.
    virtual void onDestroy(CGraphicsObject* object) = 0;
};
