#pragma once

#include "foundation/CXRect.h"
#include "foundation/CXString.h"

class CEditBox6;
class CScreenUnit;
class CSimpleFont6;

// What edit boxes, and the multi-line texts that place them, ask of the scene unit that hosts
// them: the unit makes each box and lists it; when a text lays itself out again, or goes, it gives
// its boxes back and the unit takes them off its list and deletes them. The unit also holds the
// keyboard focus: one box at most has it.
class CEditBoxUnit {
public:
    virtual ~CEditBoxUnit() = default;
    // A box over the rectangle (on the screen) showing the text; null when none is made.
    virtual CEditBox6* addEditBox(CSimpleFont6* font, CXRect rect, int priority, const CXString& text) = 0;
    // A box of the list is taken off and deleted; any other is left alone.
    virtual void releaseEditBox(CEditBox6* box) = 0;
    // The box gets the focus (null: none has it); the one that had it loses it.
    virtual void activateEditBox(CEditBox6* box) = 0;
    // The unit the boxes' buttons answer to (they react only while its scene is live); may be null.
    virtual CScreenUnit* getScreenUnit() = 0;
};
