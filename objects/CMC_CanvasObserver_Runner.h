#pragma once

#include "objects/CMC_Media_Runner.h"

class CMC_CanvasObserver;
class CRefreshScreen;

// The runner of the CANVASOBSERVER object: pictures put straight on the window's screen and taken
// off, the screen's background set, moved and stamped into, the object under a point, the screen
// drawn again or saved, and its notifications switched. To invalidate is to make the whole screen
// dirty.
class CMC_CanvasObserver_Runner : public CMC_Media_Runner {
public:
    enum Method {
        REFRESH = 1,
        ADD = 2,
        REMOVE = 3,
        SETBACKGROUND = 4,
        GETGRAPHICSAT = 5,
        MOVEBKG = 6,
        SETBKGPOS = 7,
        SAVE = 8,
        ENABLENOTIFY = 9,
        REDRAW = 10,
        GETBPP = 11,
        PASTE = 12,
        GETGRAPHICSAT2 = 13,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, an object of another type, or one without a screen go to the common
    // methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    // The methods that change the screen's pictures or background; false for the others.
    bool runPictures(int id, CRefreshScreen* screen, CMC_ObjectsContainer* container, CXVector* arguments);
    // x, y [, visibleOnly [, minPriority, maxPriority [, noAlphaTest]]]: the owner's name, "NULL"
    // where the screen shows nothing.
    CMC_Variable* graphicsAt(CMC_CanvasObserver* object, CMC_ObjectsContainer* container, CXVector* arguments, bool searchParents);
};
