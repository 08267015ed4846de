#pragma once

#include "script/CMC_Runner.h"

class CEditBox6;

// The runner of EDITBOX objects: the text, focus, enabling, placing, the cursor position, colour,
// read-only and new-line switches. Focus given by a script moves through the unit, as a click's
// does: the field that had it loses it.
class CMC_EditBox_Runner : public CMC_Runner {
public:
    enum Method {
        SETTEXT = 1,
        GETTEXT = 2,
        ACTIVE = 3,
        DEACTIVE = 4,
        ENABLE = 5,
        DISABLE = 6,
        ADDTEXT = 7,
        MOVE = 8,
        SETPOSITION = 9,
        SETPRIORITY = 10,
        SETCURSORPOS = 11,
        SETRECT = 12,
        SETCOLOR = 13,
        SETREADONLY = 14,
        ENABLENL = 15,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type or without a box, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    CMC_Variable* runText(int id, CEditBox6* box, CXVector* arguments, bool& done);
};
