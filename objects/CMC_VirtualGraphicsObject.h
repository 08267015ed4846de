#pragma once

#include "graphics/CCollisionObserver.h"
#include "objects/CSignalList.h"
#include "script/CMC_Object.h"

#include <memory>

class CMC_Scene;
class CVirtualGraphicsObject;
class CWindow;

// The VIRTUALGRAPHICSOBJECT script object (type 3005, made by a scene's CREATEOBJECT "VGO" too):
// an engine virtual graphics object, which shows a source picture through a mask, with scripts
// setting both by the names of other objects, placing, clipping, showing and testing it, and
// entering it in the scene's collision watching. Watched collisions raise no signal, and the
// object takes no mouse input. It leaves the collision watching when it is deleted.
//
// Definition: TOCANVAS, VISIBLE, MONITORCOLLISION, MONITORCOLLISIONALPHA, PRIORITY; SOURCE and
// MASK take effect only through SETSOURCE and SETMASK. It has no stored record.
class CMC_VirtualGraphicsObject : public CMC_Object, public CCollisionObserver {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL".
    static const CSignalList& signalList();

    CMC_VirtualGraphicsObject(CMC_ObjectsContainer* container, CMElement* element);
    // Around the object, which it takes over; named "clone".
    CMC_VirtualGraphicsObject(CMC_ObjectsContainer* container, CVirtualGraphicsObject* graphics);
    // Leaves the collision watching and deletes the object.
    ~CMC_VirtualGraphicsObject() override;

    CXString** getBehavioursList() override;
    // A copy of the object, on the screen at this one's priority when this one is there.
    CXObject* clone() const override;

    // The scene watches the object's collisions for this object, with the alpha test when asked.
    void monitorCollisions(bool alphaTest);
    // Scripts' REMOVEMONITORCOLLISION: the watching stays (only the object's flag changes).
    virtual void removeCollisionsMonitoring() {}

    void onCollision(CGraphicsObject* moved, CGraphicsObject* other) override {}
    void onCollisionFinished(CGraphicsObject* moved, CGraphicsObject* other) override {}

    CVirtualGraphicsObject* getGraphics() const { return graphics_.get(); }

private:
    CWindow* window() const;
    CMC_Scene* scene();

    std::unique_ptr<CVirtualGraphicsObject> graphics_;
};
