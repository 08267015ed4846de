#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXPoint.h"
#include "foundation/CXSize.h"

#include <memory>
#include <string>

class CAnimo;
class CGraphicsObject;
class CMElement;
class CWindow;

// The earlier kind of font: an animation whose frames are the letters, each frame's letter the
// first character of its position's name in the first event. Letters are drawn one frame at a
// time, without kerning. Nothing in the engine makes one; the library offers it.
class CFont5 : public CXObject {
public:
    explicit CFont5(CWindow* window);
    CFont5(CWindow* window, const CXString& file);
    // "FILENAME".
    CFont5(CWindow* window, CMElement* element);
    ~CFont5() override;
    CFont5(const CFont5&) = delete;
    CFont5& operator=(const CFont5&) = delete;

    // The letters' transparent corners are cleared and they are drawn onto the window's screen
    // until told otherwise. False when the file does not read as an animation.
    bool load(const CXString& file);
    // Of the letter's frame; nothing for a letter the font lacks.
    CXSize getLetterSize(char letter);
    int getLetterWidth(char letter) { return getLetterSize(letter).cx; }
    int getLetterHeight(char letter) { return getLetterSize(letter).cy; }
    // The tallest letter.
    int getAlphabetHeight();
    // Draws the letter's frame with its top-left at (x, y) onto the destiny; its width, 0 for a
    // letter the font lacks.
    int drawLetter(int x, int y, char letter);
    int drawLetter(CXPoint at, char letter) { return drawLetter(at.x, at.y, letter); }
    // A blank counts as wide as "A"; every other letter its width plus the spacing.
    int getLengthInPixels(const CXString& text, int spacing);
    void setDestiny(CGraphicsObject* destiny) { destiny_ = destiny; }

private:
    // The frame of the letter, -1 when none.
    int frameOf(char letter) const;

    CWindow* window_;
    CXString fileName_;
    // One letter per frame; 0 for a frame without a name.
    std::string letters_;
    std::unique_ptr<CAnimo> animation_;
    CGraphicsObject* destiny_ = nullptr;
};
