#pragma once

#include "plugins/extension/CMC_ExtensionRunner.h"

class CAnimo6;
class CGraphicsObject;

// The runner of KULKI. GO, GO2 and GO3 (name, x, y, step) place the ANIMO of that name at the
// target: a target inside the "IN" picture is pushed away from the centre (400, 410) by the step
// times its distance, pass after pass, one inside "OUT" pulled towards it, until it lies in
// neither. Where the ball stood before the call, it is tested against the grid of ANIMOs "KULA" +
// row + column: touching one (1 per cent of that ball's box) hides the ball at the target and shows
// "SZKULA" there instead, and answers TRUE; otherwise the ball is shown at the target, "SZKULA"
// hidden, and the answer is FALSE. The centre itself as target stands for (135, 413).
//
// GO tests 2 rows of 6 with the step a whole number (0.05 without one); GO2 2 rows of 3 and GO3 3
// rows of 3, with the step a fraction.
class CMC_Kulki_Runner final : public CMC_ExtensionRunner {
public:
    enum Method { SHOW = 1, GO = 2, GO2 = 3, GO3 = 4, EMPTY = 5 };

    CMC_Kulki_Runner() : CMC_ExtensionRunner(6) {}
    void prepareMthHashSet() override;

private:
    CMC_Variable* go(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* go2(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* go3(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);

    // FALSE, changing nothing, without a ball of that name.
    CMC_Variable* place(CMC_ObjectsContainer* container, CXVector* arguments, float step, int rows, int columns);
    // The target pushed out of the regions. Passes that could never leave them (a point in both, a
    // step of 0, the centre inside "IN", steps overshooting to and fro) end where they stand.
    static void keepOutOfRegions(CMC_ObjectsContainer* container, float& x, float& y, float step);
    static bool touchesGrid(CMC_ObjectsContainer* container, CGraphicsObject* ball, int rows, int columns);
    static CAnimo6* animationOf(CMC_ObjectsContainer* container, const CXString& name);
};
