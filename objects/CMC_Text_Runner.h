#pragma once

#include "objects/CMC_Media_Runner.h"

class CMC_Text;
class CMultilineText6;

// The runner of TEXT objects: the text, its font, colour and justification, placing, clipping
// and showing, and the word operations (indexes from 0 over all lines).
class CMC_Text_Runner : public CMC_Media_Runner {
public:
    enum Method {
        SETTEXT = 1,
        SETJUSTIFY = 2,
        SHOW = 3,
        HIDE = 4,
        SETPOSITION = 5,
        MOVE = 6,
        LOAD = 7,
        CLEARCLIPPING = 8,
        SETCLIPPING = 9,
        GETPOSITIONX = 10,
        GETPOSITIONY = 11,
        GETWIDTH = 12,
        GETHEIGHT = 13,
        ISNEAR = 14,
        SETPRIORITY = 15,
        SETCOLOR = 16,
        DRAWONTO = 17,
        SETRECT = 18,
        SETTEXTDOUBLE = 19,
        SETOPACITY = 20,
        SETFONT = 21,
        GETWORDAT = 22,
        GETWORDATXY = 23,
        GETWORDPOSX = 24,
        GETWORDPOSY = 25,
        SEARCH = 26,
        SETWORDCOLOR = 27,
        INVALIDATE = 28,
        GETWORDWIDTH = 29,
        GETNUMWORDS = 30,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type or without a text, go to the common
    // methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    CMC_Variable* runLayout(int id, CMC_Text* object, CMultilineText6* text, CMC_ObjectsContainer* container, CXVector* arguments,
                            bool& done);
    CMC_Variable* runWords(int id, CMultilineText6* text, CXVector* arguments);
    // Six arguments: x1, y1, x2, y2 and the two words; otherwise a graphics object's name (its
    // box, zeros when there is none) and the two words.
    void setJustify(CMultilineText6* text, CMC_ObjectsContainer* container, CXVector* arguments);
    // One name: that graphics object's rectangle; four numbers. The justifications stay.
    void setRect(CMultilineText6* text, CMC_ObjectsContainer* container, CXVector* arguments);
    // The number's text cut to that many decimals after its point (the point stays), written back
    // into a STRING argument, then shown.
    void setTextDouble(CMultilineText6* text, CXVector* arguments);
};
