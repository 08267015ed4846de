#pragma once

#include "foundation/CXRect.h"
#include "script/CMC_Runner.h"

class CMC_Mouse;

// The runner of MOUSE objects: the cursor, the pointer's position, its confinement and active
// rectangle, the signal switches and presses made by the script.
class CMC_Mouse_Runner : public CMC_Runner {
public:
    enum Method {
        SHOW = 1,
        HIDE = 2,
        ENABLE = 3,
        DISABLE = 4,
        GETPOSX = 5,
        GETPOSY = 6,
        GETLASTCLICKPOSX = 7,
        GETLASTCLICKPOSY = 8,
        SET = 9,
        SETPOSITION = 10,
        MOVE = 11,
        CLICK = 12,
        ENABLESIGNAL = 13,
        DISABLESIGNAL = 14,
        MOUSERELEASE = 15,
        SETCLIPRECT = 16,
        LOCKACTIVECURSOR = 17,
        ISLBUTTONDOWN = 18,
        ISRBUTTONDOWN = 19,
        SETACTIVERECT = 20,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    // The window takes a press (or release) of the named button at the point, as from the mouse;
    // "LEFT" without a name, nothing for other words.
    void pressButton(CMC_Mouse* mouse, CXVector* arguments, bool press);
    // The four arguments as a rectangle.
    CXRect rectangle(CXVector* arguments);
};
