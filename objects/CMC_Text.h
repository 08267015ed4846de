#pragma once

#include "graphics/CText6.h"
#include "script/CMC_Object.h"

#include <memory>

class CFontCollection;
class CMultilineText6;
class CSignalList;
class CWindow;

// The TEXT script object (type 2006): a block of multi-line text in the fonts of a FONT object,
// laid out in a justification rectangle, put on the window's screen and asked word by word.
//
// Definition: TEXT (with its mark-up), FONT (a FONT object's name), RECT (a graphics object's
// name, whose box is taken once, or "x1,y1,x2,y2"), HJUSTIFY and VJUSTIFY ("LEFT", "RIGHT",
// "CENTER", "TOP", "BOTTOM"; any other word centres), HYPERTEXT, TOCANVAS, PRIORITY, VISIBLE.
// A FONT declared after the text is looked for again when the scene starts.
//
// Stored record after the common part: VJUSTIFY, HJUSTIFY, RECT (texts), PRIORITY (int), FONT
// (text), whether the text was on the screen, whether it was visible (bools), the text. An
// object read back builds its text from them, as from a definition.
class CMC_Text : public CMC_Object {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONCOLLISION", "ONCOLLISIONFINISHED".
    static const CSignalList& signalList();
    // The word's justification (compared exactly); centre for any other word.
    static _justify resolveJustify(const CXString& word);

    // Empty, named "temp", to be restored from the scene archive or made by CREATE.
    explicit CMC_Text(CMC_ObjectsContainer* container);
    CMC_Text(CMC_ObjectsContainer* container, CMElement* element);
    // Takes the text off the screen and deletes it.
    ~CMC_Text() override;

    CXString** getBehavioursList() override;
    // A font that was not there at construction is looked for again; then ONINIT.
    void init() override;
    void serialize(CXArchive* archive) override;

    // Null in an empty object.
    CMultilineText6* getText() const { return text_.get(); }
    // The collection of the container's FONT object of that name; null when none.
    CFontCollection* fontNamed(const CXString& name);

private:
    // The text object from the kept settings and the given text, on the screen when asked.
    void build(const CXString& text, bool hypertext, bool toCanvas, bool visible);
    CXRect rectangle();

    CWindow* window_;
    std::unique_ptr<CMultilineText6> text_;
    CXString vJustify_;
    CXString hJustify_;
    CXString rect_;
    int priority_ = 0;
    CXString font_;
};
