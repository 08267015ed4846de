#pragma once

#include "foundation/CXString.h"

class CAnimo;
class CResourcesManager;
class CSound4;
class CWindow;

// The animations and sounds that sequence files and speaking animations load by file name,
// shared through a resources manager when there is one. A medium the manager holds under that
// name is taken (one more use) only when it is of the kind asked for; otherwise a new one is made
// and the manager takes it. Without a manager the new medium belongs to the caller.
class CSequenceMedia {
public:
    // The animation of the file; *made tells whether it was made now (and loaded).
    static CAnimo* animation(CWindow* window, CResourcesManager* manager, const CXString& file, bool* made);
    // The sound of the path, loaded when first played and let go after each play; *made as above.
    static CSound4* sound(CWindow* window, CResourcesManager* manager, const CXString& path, bool* made);
};
