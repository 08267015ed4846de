#pragma once

#include "foundation/CXRect.h"
#include "foundation/CXString.h"

class CEditBox6;
class CSimpleFont6;

// What a multi-line text asks of the scene unit that hosts the edit boxes placed in it: the unit
// makes each box and lists it; when the text lays itself out again, or goes, it gives its boxes
// back and the unit takes them off its list and deletes them.
class CEditBoxUnit {
public:
    virtual ~CEditBoxUnit() = default;
    // A box over the rectangle (on the screen) showing the text; null when none is made.
    virtual CEditBox6* addEditBox(CSimpleFont6* font, CXRect rect, int priority, const CXString& text) = 0;
    virtual void releaseEditBox(CEditBox6* box) = 0;
};
