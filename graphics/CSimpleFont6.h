#pragma once

#include "graphics/CGraphicsObject.h"

#include <cstdint>
#include <vector>

class CMElement;

// A bitmap font of one family, style and size: all of its letters side by side in one strip of
// equal cells, the shapes in the alpha plane and one colour in the colour plane. Drawing a letter
// moves the whole strip so that the letter's cell lands at the pen and clips it to the cell's
// inked columns, so one picture serves every letter.
//
// Letters are code page 1250 bytes, looked up unsigned. "@" stands for "<" and "$" for ">", so
// that texts can show the two characters that open and close mark-up.
//
// Font file (little-endian): "FNT" and a zero byte, strip width W, height H, bits per pixel (15
// or 16), letter count N, the N letters, the N x N kerning table (row: the letter before), the
// N left and N right margins (signed bytes), the W x H colour plane, the W x H alpha plane.
class CSimpleFont6 : public CGraphicsObject {
public:
    static constexpr int DEFAULT_COLOR = 0xFFFF;

    explicit CSimpleFont6(CWindow* window);
    CSimpleFont6(CWindow* window, const CXString& file);
    // "FILENAME" (loaded when given), "FAMILY", "STYLE" and "SIZE".
    CSimpleFont6(CWindow* window, CMElement* element);
    ~CSimpleFont6() override;

    // Without letters: every letter measures 0 and draws nothing.
    virtual void flush();
    // Draws a letter with its pen at (x, y) onto the destiny; the pen advance. `before` is the
    // letter drawn just before on the same run, or 0 (it brings the pair's kerning).
    virtual int drawLetter(int x, int y, char before, char letter);
    // The letter's width after kerning, without the 2 columns between letters.
    virtual int getLetterWidth(char before, char letter);
    // The inked width, without kerning.
    virtual int getRealLetterWidth(char letter);
    // Clips the letters to a rectangle given in the letter's own inked columns; an empty
    // rectangle clips nothing. Nothing for a letter the font lacks.
    using CGraphicsObject::SetClippingRect;
    virtual void SetClippingRect(char letter, CXRect rect);
    // The whole colour plane takes the colour (refilled only when it changes).
    virtual void setColor(int color);
    virtual bool isMultifont();
    // The pair's kerning; 0 when either letter is not in the font.
    virtual int getKerning(char before, char letter);

    // The file's error code: 0, CFile::NOT_FOUND, or CImageReader::DAMAGED for a file that is
    // not a whole font. A font that does not load has no letters.
    int Load(const CXString& name) override;
    // From the file's position.
    int Load(CFile* file) override;
    // A font file's bytes in memory; the same results.
    int read(const uint8_t* data, size_t size);
    using CGraphicsObject::Load;
    // Builds the font from an animation whose frames are the letters (each frame's letter the
    // first character of its position's name in the first event) and writes its font file.
    void create(const CXString& animationFile, const CXString& fontFile);

    int getColor() const { return color_; }
    void setDefColor(int color) { defColor_ = color; }
    int getDefColor() const { return defColor_; }
    void setFamily(const CXString& family) { family_ = family; }
    const CXString& getFamily() const { return family_; }
    void setStyle(const CXString& style) { style_ = style; }
    const CXString& getStyle() const { return style_; }
    void setSize(int size) { size_ = size; }
    int getSize() const { return size_; }
    int getLetterCount() const { return count_; }
    int getCellWidth() const { return cellWidth_; }

    // Columns, from the left or the right edge, whose alpha is 0 in every row, up to the first
    // column with any ink.
    static int getLeftOffset(CGraphicsObject* picture);
    static int getRightOffset(CGraphicsObject* picture);

private:
    // The cell of a letter ("@" and "$" mapped), -1 when the font lacks it.
    int cellOf(char letter) const;
    int inkWidth(int cell) const { return getCellWidth() - leftMargins_[size_t(cell)] - rightMargins_[size_t(cell)]; }
    int kerningOf(char before, int cell) const;
    // The letters' lookup, first cell of each letter.
    void indexLetters();
    // Takes the tables of a file or of `create`; the planes are already in place.
    void takeTables(std::vector<uint8_t> letters, std::vector<int8_t> kerning, std::vector<int8_t> left, std::vector<int8_t> right);
    // The strip, margins and kerning made from the animation's frames; false when it has none.
    bool buildFrom(const CXString& animationFile);
    void write(const CXString& fontFile);
    // No letters, and the error code of a file that is not a whole font.
    int damaged();
    // Kerning of a pair of cells, from their alpha columns.
    int8_t measureKerning(int before, int cell);

    std::vector<int8_t> kerning_;
    std::vector<int8_t> leftMargins_;
    std::vector<int8_t> rightMargins_;
    std::vector<uint8_t> letters_;
    int count_ = 0;
    int cellWidth_ = 0;
    CXString family_;
    CXString style_;
    int size_ = 0;
    int defColor_ = DEFAULT_COLOR;
    int color_ = 0;
    // The colour plane holds color_ throughout.
    bool filled_ = false;
    int16_t cells_[256];
};
