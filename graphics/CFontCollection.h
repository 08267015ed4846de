#pragma once

#include "graphics/CSimpleFont6.h"

class CXVector;

// A font made of fonts: texts choose among them by family, style and size, and measure and draw
// plain letters with the first one added (the base font). The fonts are not owned: whoever made
// them (the FONT object) keeps and frees them.
class CFontCollection : public CSimpleFont6 {
public:
    explicit CFontCollection(CWindow* window);
    ~CFontCollection() override;
    CFontCollection(const CFontCollection&) = delete;
    CFontCollection& operator=(const CFontCollection&) = delete;

    // Once only; the first font added becomes the base font.
    void addFont(CSimpleFont6* font);
    void setBaseFont(CSimpleFont6* font) { base_ = font; }
    CSimpleFont6* getBaseFont() const { return base_; }
    // The first font whose family and style equal these, letter case ignored, and whose size is
    // this one; null when none.
    CSimpleFont6* get(const CXString& family, const CXString& style, int size) const;
    int getFontCount() const;
    CSimpleFont6* getFontAt(int index) const;

    // Every font of the collection.
    void SetOpacity(unsigned char opacity) override;
    void setColor(int color) override;
    // The base font's; 0 (and nothing drawn) without one. Letters go to the collection's destiny.
    int Height() override;
    int drawLetter(int x, int y, char before, char letter) override;
    int getLetterWidth(char before, char letter) override;
    int getRealLetterWidth(char letter) override;
    int getKerning(char before, char letter) override;
    using CSimpleFont6::SetClippingRect;
    void SetClippingRect(char letter, CXRect rect) override;
    bool isMultifont() override;

private:
    CXVector* fonts_;
    CSimpleFont6* base_ = nullptr;
};
