#pragma once

#include "script/CMC_Runner.h"

class CButton;
class CGraphicsObject;
class CMC_Button;

// The runner of BUTTON objects: the engine button's area, enabling, dragging, pictures, priority
// and the pointer's place. Pictures are named by the objects that own them; a name that gives no
// picture passes none. An empty BUTTON (made by CREATE) answers 0 and empty texts and does
// nothing.
class CMC_Button_Runner : public CMC_Runner {
public:
    enum Method {
        SETRECT = 1,
        ENABLE = 2,
        DISABLE = 3,
        ENABLEDRAGGING = 4,
        DISABLEDRAGGING = 5,
        DISABLEBUTVISIBLE = 6,
        ACCENT = 7,
        SETSTD = 8,
        SETONMOVE = 9,
        SETONCLICK = 10,
        SETPRIORITY = 11,
        GETPRIORITY = 12,
        GETSTD = 13,
        GETONMOVE = 14,
        GETONCLICK = 15,
        SYN = 16,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    CMC_Variable* runOn(int id, CMC_Button* owner, CButton* button, CMC_ObjectsContainer* container, CXVector* arguments);
    // What a method with a result answers without an engine button; null for the others.
    static CMC_Variable* emptyAnswer(int id);
    // One name: that object's picture's box, empty without one; else four ints.
    void setRect(CMC_Button* owner, CButton* button, CXVector* arguments);
    // The name of the object whose picture it is.
    static CMC_Variable* ownerName(CMC_ObjectsContainer* container, CGraphicsObject* graphics);
};
