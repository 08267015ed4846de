#pragma once

#include "foundation/CXString.h"

// A loaded medium (image, animation, sound) that CResourcesManager shares between the objects that
// name its file. The manager owns it once added and deletes it through this interface.
class CSharedMedium {
public:
    virtual ~CSharedMedium() = default;
    // The file the medium was loaded from.
    virtual CXString getFileName() const = 0;
    // Makes the medium invisible; called when its last user gives it back.
    virtual void hide() = 0;
};
