#pragma once

#include "script/CMC_Runner.h"

class CMC_Keyboard;

// The runner of the KEYBOARD object: switching it, asking the window's keyboard about held keys,
// auto-repeat, and the latest keys.
class CMC_Keyboard_Runner : public CMC_Runner {
public:
    enum Method {
        ENABLE = 1,
        DISABLE = 2,
        SETAUTOREPEAT = 3,
        ISKEYDOWN = 4,
        GETLATESTKEY = 6,
        ISENABLED = 7,
        GETLATESTKEYS = 8,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    CMC_Variable* isKeyDown(CMC_Keyboard* keyboard, CXVector* arguments);
    // Moves the queued names, oldest first, to the array named by the first argument; with no
    // such array they stay queued.
    void moveLatestKeys(CMC_Keyboard* keyboard, CMC_ObjectsContainer* container, CXVector* arguments);
};
