#pragma once

#include "objects/CMC_Media_Runner.h"

class CCanvas;
class CMC_Canvas;

// The runner of CANVAS objects: its pictures by name, showing and placing, clearing, baking,
// stamping, erasing, saving, sizes and a new canvas in place of the old one.
class CMC_Canvas_Runner : public CMC_Media_Runner {
public:
    enum Method {
        ADD = 1,
        REMOVE = 2,
        SHOW = 3,
        HIDE = 4,
        SETPRIORITY = 5,
        SETPOSITION = 6,
        MOVE = 7,
        CLEAR = 8,
        CAPTURE = 9,
        SETOPACITY = 10,
        SETASBUTTON = 11,
        ERASE = 12,
        DRAW = 13,
        SAVE = 14,
        GETPOSITIONX = 15,
        GETPOSITIONY = 16,
        GETWIDTH = 17,
        GETHEIGHT = 18,
        GETNUMVISIBLEPIXELS = 19,
        RECREATE = 20,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, an object of another type, or one without a canvas go to the common
    // methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // Pixels of the canvas's background whose alpha byte is not 0; 0 without a background or an
    // alpha plane there.
    static int visiblePixels(CCanvas* canvas);

private:
    // The methods that change what the canvas holds or shows; false for the others.
    bool runContent(int id, CMC_Canvas* object, CCanvas* canvas, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* runGeometry(int id, CMC_Canvas* object, CCanvas* canvas, CXVector* arguments);
};
