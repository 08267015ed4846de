#pragma once

#include "foundation/CXObject.h"

class CSimpleFont6;

// One element of a text's mark-up, in reading order: a run of characters, a switch of font style,
// a colour, a line break, a tab or an edit box placed in the text.
class CTextFormatCode : public CXObject {
public:
    enum Mode : int { STYLE = 1, TEXT = 2, TAB = 3, LINE_BREAK = 4, EDIT_BOX = 5, COLOR = 6 };

    // A run of characters.
    explicit CTextFormatCode(const CXString& text);
    // A style switch to the font; the text is the code as written, such as "<B>".
    CTextFormatCode(CSimpleFont6* font, const CXString& text);
    // Any other mode. An edit box reads "E,width,name,text" (each part only when present); a
    // colour reads a pixel value, or "red,green,blue" from 0 to 255 packed for the screen's
    // pixel-format code `bpp`.
    CTextFormatCode(int bpp, int mode, const CXString& text);

    // Red, green and blue from 0 to 255 as one 16-bit pixel, 5-5-5 for a 15-bit screen and 5-6-5
    // otherwise, each channel kept to its width; read as a signed 16-bit value.
    static int packColor(int bpp, int red, int green, int blue);

    int getMode() const { return mode_; }
    int getColor() const { return color_; }
    const CXString& getText() const { return text_; }
    CSimpleFont6* getFont() const { return font_; }
    int getWidth() const { return width_; }
    const CXString& getName() const { return name_; }

private:
    void readEditBox(const CXString& code);
    void readColor(int bpp, const CXString& code);

    int mode_;
    int color_ = 0;
    CXString text_;
    CSimpleFont6* font_ = nullptr;
    int width_ = 0;
    CXString name_;
};
