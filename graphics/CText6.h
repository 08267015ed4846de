#pragma once

#include "graphics/CGraphicsObject.h"
#include "graphics/CGraphicsRef.h"
#include "graphics/ht_Line.h"

#include <vector>

class CEditBox6;
class CEditBoxUnit;
class CFontCollection;
class CSimpleFont6;
class CTextFormatCode;
class CXVector;

// Where a text stands in its justification rectangle.
enum _justify : int { JUSTIFY_LEFT = 0, JUSTIFY_RIGHT = 1, JUSTIFY_CENTER = 2, JUSTIFY_TOP = 3, JUSTIFY_BOTTOM = 4 };

// One line of text in a font, placed in a justification rectangle. With a font collection the
// text carries mark-up: "<B>", "<I>", "<U>", "<US>", "<LS>" switch the style, "<COLORn>" or
// "<COLORr,g,b>" the colour, "|" breaks the line (in a multi-line text) and "<E,width,name,text>"
// places an edit box; "@" and "$" show "<" and ">". With a single font every character is drawn
// as it stands.
//
// The text keeps no pixels: each redraw draws the letters straight onto its destiny through the
// font. Its size is the measured size of the text, so the screen clips and invalidates it like
// any object. It records where each word lies, so that scripts can find the word under a point,
// measure, colour and search it. Words are counted over the whole line and end only at blanks: a
// word cut by a style code stays one word. The font is not owned: a text whose font is destroyed
// goes on without one.
class CText6 : public CGraphicsObject {
public:
    // The boolean is not used; `unit` hosts the edit boxes of a multi-line text (may be null).
    CText6(CWindow* window, bool hypertext, CEditBoxUnit* unit);
    ~CText6() override;
    CText6(const CText6&) = delete;
    CText6& operator=(const CText6&) = delete;

    virtual void flush_ht_info();
    // Takes the font's default colour as the text's; measures, parses and places the text again.
    virtual void setFont(CSimpleFont6* font);
    // Tabs become eight blanks; with a collection (or no font yet) the text is wrapped in its
    // colour code.
    virtual void setText(const CXString& text);
    virtual void setJustify(CXRect rect, _justify horizontal, _justify vertical);
    virtual CXString getText() const { return text_; }
    // The text without the colour wrapping it may have ("<COLORn>" ... "<COLOR>"), wrapped again
    // in the colour when it is not 0. Colour codes inside the text stay.
    virtual CXString getColoruredText(const CXString& text, int color);
    // A new colour rewraps the text; 0 leaves it without a colour code.
    virtual void setColor(int color);
    virtual int getColor() const { return color_; }
    // Words are indexed from 0 over the text; -1 is none. Points and positions are on the screen.
    virtual int getWordAtXY(CXPoint point);
    virtual CXString getWordAt(int index);
    // The word's left x, and -1 for y; (-1, -1) for no word.
    virtual CXPoint getWordPosition(int index);
    virtual int getWordWidth(int index);
    // The index of the first word from `from` on equal to `word` (letter case counts), -1 none.
    virtual int search(const CXString& word, int from);
    // ht_Line::NO_COLOR gives the word back the text's colour.
    virtual void setWordColor(int index, int color);
    virtual int getNumWords();

    // Moves the justification rectangle (or the text, without one) and places the text again.
    void Move(int dx, int dy) override;
    using CGraphicsObject::Move;
    void Redraw() override;
    // As a sub-object: drawn onto the object that carries it.
    void redraw(CGraphicsObject* target) override;

    // Width in pixels: every letter's width plus 2, with the font of its run.
    virtual int getLength();
    static int getLength(CSimpleFont6* font, const CXString& text);
    static bool checkCode(const CXString& code);
    static CXString convTab(const CXString& text);
    // The mark-up of the stored text as codes (only with a collection).
    void parseText();
    // Adds the code; the font current after it.
    CSimpleFont6* addCode(int mode, const CXString& text, CSimpleFont6* font);
    void flushCodes();
    // Word positions as the next redraw will record them.
    virtual void layoutWords();

    CSimpleFont6* getFont() const;
    CXRect getjustifyRect() const { return justifyRect_; }
    _justify getHJustify() const { return hJustify_; }
    _justify getVJustify() const { return vJustify_; }
    int getCodeCount() const;
    CTextFormatCode* getCode(int index) const;
    const std::vector<CEditBox6*>& getEditBoxes() const { return editBoxes_; }
    virtual ht_Line* get_ht_lines_info(int line);

protected:
    // The position from the justification rectangle and the text's size; the old and new places
    // are invalidated.
    void justify();
    // The collection the text draws with, null for a single font.
    CFontCollection* collection() const;
    // One word record per word the text's runs hold, own colours kept where they still fit.
    void resetWords();
    CEditBoxUnit* getUnit() const { return unit_; }
    std::vector<CEditBox6*>& editBoxes() { return editBoxes_; }
    const CXString& storedText() const { return text_; }
    void setStoredText(const CXString& text) { text_ = text; }
    void setFontOnly(CSimpleFont6* font);

private:
    // The walk over the runs that drawing and layout share.
    class Walk;
    friend class Walk;

    // The screen's pixel-format code, 16 without a screen.
    int screenBpp() const;
    void addRun(const CXString& run);
    // The words of the runs, as drawing counts them (blanks left out).
    std::vector<CXString> wordTexts() const;
    // The font is being destroyed: the codes, which point into its collection, go with it, and the
    // text measures nothing, as one made without a font.
    void loseFont();

    CGraphicsRef font_{nullptr, [this] { loseFont(); }};
    CXString text_;
    CXRect justifyRect_;
    _justify vJustify_ = JUSTIFY_TOP;
    _justify hJustify_ = JUSTIFY_LEFT;
    CXVector* codes_;
    CEditBoxUnit* unit_;
    std::vector<CEditBox6*> editBoxes_;
    int color_ = 0xFFFF;
    ht_Line line_;
};
