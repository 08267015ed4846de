#pragma once

#include "script/CMC_Dummy_Runner.h"

class CMC_Behaviour;
class CXArray;

// The statements that make objects: RUNONTIMER, which starts a behaviour running on the window's
// timers, and CREATE, which makes an empty media object.
class CMC_ObjectStatements {
public:
    // (period, count, code, follow-up[, parameter ...]): a new behaviour "timer_" and a number,
    // made from the code (or the code of the behaviour it names), runs every period ms, count
    // times (0: until a pass reports BREAK), with the pass number as "$1" and the parameters
    // after it; then the follow-up runs once. The result is a pooled STRING holding its name.
    static CMC_Variable* runOnTimerStatement(CMC_Dummy_Runner::Call& call);
    // (type, name): an empty ANIMO, IMAGE, SOUND or BUTTON of that name in the container. Types
    // that have no maker registered (CMC_CreationChain::registerEmptyCreator) make nothing.
    static CMC_Variable* createStatement(CMC_Dummy_Runner::Call& call);

    // "&1" to "&9" in code for a timer-driven run become "$1" to "$9": written so, they escape the
    // filling of the enclosing run's parameters and stand for the timer run's own. Any other "&"
    // (a reference argument) stays.
    static CXString timerCode(const CXString& code);

private:
    // A name "timer_" and a number that no object of the container has.
    static CXString freeTimerName(CMC_ObjectsContainer* container);
    static CMC_Behaviour* addBehaviour(CMC_ObjectsContainer* container, const CXString& code);
    static CXArray* timerParameters(CMC_Dummy_Runner::Call& call);
};
