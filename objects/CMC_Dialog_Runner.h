#pragma once

#include "script/CMC_Runner.h"

class CXDialog;

// The runner of DIALOG objects: showing and hiding the panel, and filling it with the scene's
// objects by name. Only an IMAGE or an ANIMO can be the background; only buttons, images,
// animations and texts can be added; any other name changes nothing.
class CMC_Dialog_Runner : public CMC_Runner {
public:
    enum Method {
        SHOW = 1,
        HIDE = 2,
        SETBACKGROUND = 3,
        ADD = 4,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    void setBackground(CXDialog* dialog, CMC_Object* named);
    void add(CXDialog* dialog, CMC_Object* named);
};
