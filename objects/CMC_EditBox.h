#pragma once

#include "graphics/CEditBoxNotifier.h"
#include "script/CMC_Object.h"

#include "foundation/CXRect.h"

#include <memory>

class CEditBox6;
class CSignalList;

// The EDITBOX script object (type 2009): a text entry field of the scene's unit, drawn in the
// fonts of a FONT object, that raises ONFOCUSON, ONFOCUSOFF, ONCHANGED (typed), ONENTER and ONESC
// when they are handled.
//
// Definition: RECT (a graphics object's name, whose box is taken, or "x1,y1,x2,y2"), PRIORITY,
// TEXT, FONT (a FONT object's name: no letters are measured or drawn without one) and CURSOR (a
// graphics object's name: the cursor graphic). The box belongs to the unit's list while the object
// lives; a unit that deleted it first (a scene change under an episode's field) leaves the object
// without one, and its methods do nothing.
//
// Stored record after the common part: FONT, the rectangle, the text, CURSOR. An object read
// back gets an empty box at the rectangle, at priority 0.
class CMC_EditBox : public CMC_Object, public CEditBoxNotifier {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONFOCUSON", "ONFOCUSOFF", "ONCHANGED", "ONENTER", "ONESC".
    static const CSignalList& signalList();

    // Empty, named "temp", to be restored from the scene archive.
    explicit CMC_EditBox(CMC_ObjectsContainer* container);
    CMC_EditBox(CMC_ObjectsContainer* container, CMElement* element);
    // The box leaves the unit and is deleted.
    ~CMC_EditBox() override;

    CXString** getBehavioursList() override;
    void serialize(CXArchive* archive) override;

    // Null without a box, or once the unit deleted it.
    CEditBox6* getEditBox() const;

    void onFocusOn(CEditBox6* box) override;
    void onFocusOff(CEditBox6* box) override;
    void onChanged(CEditBox6* box) override;
    void onEnter(CEditBox6* box) override;
    void onEsc(CEditBox6* box) override;

private:
    // The unit's box over the rectangle, with this object told of it and the cursor set.
    void makeBox(CXRect rect, int priority, const CXString& text);
    void releaseBox();
    // The plain signal of that list position, when handled.
    void raise(int position);

    CEditBox6* box_ = nullptr;
    std::shared_ptr<const bool> boxAlive_;
    CXString font_;
    CXString cursor_;
    // The rectangle read from a record, stored again while there is no box.
    CXRect rect_;
};
