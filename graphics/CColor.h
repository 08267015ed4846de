#pragma once

#include "foundation/CXObject.h"

#include <cstdint>

// How a CColor's value is to be read: 4 red, green, blue bytes; 5 alpha, red, green, blue bytes
// (or a whole 32-bit pixel); 6 a 15-bit pixel (5-5-5); 7 a 16-bit pixel (5-6-5).
enum _colormodel : int { COLORMODEL_NONE = 0, COLORMODEL_RGB = 4, COLORMODEL_ARGB = 5, COLORMODEL_15 = 6, COLORMODEL_16 = 7 };

// A 32-bit value seen whole or as its four bytes from the lowest address: alpha, red, green, blue.
union _pixel {
    int32_t value;
    struct {
        uint8_t alpha;
        uint8_t red;
        uint8_t green;
        uint8_t blue;
    } channels;
};

// A colour in one of the colour models. Pixels of models 6 and 7 are kept sign-extended from 16
// bits, as they arrive in a short.
class CColor : public CXObject {
public:
    CColor();
    CColor(short pixel, _colormodel model);
    CColor(unsigned char r, unsigned char g, unsigned char b);
    CColor(unsigned char r, unsigned char g, unsigned char b, unsigned char a);
    explicit CColor(int value);
    explicit CColor(_pixel pixel);
    CColor(const CColor& other) = default;
    CColor& operator=(const CColor& other) = default;

    void Set(short pixel, _colormodel model);
    void Set(unsigned char r, unsigned char g, unsigned char b);
    void Set(unsigned char r, unsigned char g, unsigned char b, unsigned char a);
    // The value as a whole, in model 5.
    void set(int value);

    // The value in another model. Only models 4 and 5 turn into pixels (6, 7); every other pair
    // gives the value unchanged.
    int Convert(_colormodel to) const;
    // The value as a pixel of a format code: 15, 16, 24 or 32 bits.
    int GetInBPP(int bpp) const;

    int getPixel() const { return value_; }
    _colormodel getModel() const { return model_; }

    // The other colour is read in this one's model first. Pixels compare on their 16 bits only,
    // so a sign-extended 0xF800 equals a converted red.
    bool operator==(const CColor& other) const;
    bool operator!=(const CColor& other) const { return !(*this == other); }

private:
    static int pack(unsigned char a, unsigned char r, unsigned char g, unsigned char b);

    int value_;
    _colormodel model_;
};
