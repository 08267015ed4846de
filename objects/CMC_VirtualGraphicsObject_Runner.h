#pragma once

#include "objects/CMC_Media_Runner.h"

class CMC_VirtualGraphicsObject;
class CVirtualGraphicsObject;

// The runner of VIRTUALGRAPHICSOBJECT objects: the source and the mask by name, showing, placing,
// clipping, sizes, nearness, point tests, collision watching and the priority on the screen.
// SETASBUTTON is accepted and changes nothing: the object takes no mouse input.
class CMC_VirtualGraphicsObject_Runner : public CMC_Media_Runner {
public:
    enum Method {
        SHOW = 1,
        HIDE = 2,
        SETPOSITION = 3,
        MOVE = 4,
        SETSOURCE = 5,
        SETMASK = 6,
        CLEARCLIPPING = 7,
        SETCLIPPING = 8,
        GETPOSITIONX = 9,
        GETPOSITIONY = 10,
        GETWIDTH = 11,
        GETHEIGHT = 12,
        ISNEAR = 13,
        ISINSIDE = 14,
        MONITORCOLLISION = 15,
        REMOVEMONITORCOLLISION = 16,
        SETPRIORITY = 17,
        INVALIDATE = 18,
        ISVISIBLE = 19,
        SETASBUTTON = 20,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    // The methods that set the pictures, the place or the watching; false for the others.
    bool runSetting(int id, CMC_VirtualGraphicsObject* object, CVirtualGraphicsObject* graphics, CMC_ObjectsContainer* container,
                    CXVector* arguments);
    CMC_Variable* runQuery(int id, CVirtualGraphicsObject* graphics, CMC_ObjectsContainer* container, CXVector* arguments);
    // The named object's picture as the mask: an ANIMO's current frame, else the picture.
    void setMask(CVirtualGraphicsObject* graphics, CMC_ObjectsContainer* container, const CXString& name);
};
