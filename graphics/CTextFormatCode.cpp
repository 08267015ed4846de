#include "graphics/CTextFormatCode.h"

#include "foundation/CStringTokenizer.h"

#include <cstdint>

CTextFormatCode::CTextFormatCode(const CXString& text) : mode_(TEXT), text_(text)
{
}

CTextFormatCode::CTextFormatCode(CSimpleFont6* font, const CXString& text) : mode_(STYLE), text_(text), font_(font)
{
}

CTextFormatCode::CTextFormatCode(int bpp, int mode, const CXString& text) : mode_(mode)
{
    if (mode == EDIT_BOX)
        readEditBox(text);
    else if (mode == COLOR)
        readColor(bpp, text);
}

void CTextFormatCode::readEditBox(const CXString& code)
{
    CStringTokenizer parts(code, ",");
    parts.nextToken();
    if (parts.hasMoreTokens())
        width_ = parts.nextToken().toNumber();
    if (parts.hasMoreTokens())
        name_ = parts.nextToken();
    if (parts.hasMoreTokens())
        text_ = parts.nextToken();
}

void CTextFormatCode::readColor(int bpp, const CXString& code)
{
    if (code.Find(',') < 0) {
        color_ = code.toNumber();
        return;
    }
    CStringTokenizer parts(code, ",");
    int red = parts.nextToken().toNumber();
    int green = parts.nextToken().toNumber();
    int blue = parts.nextToken().toNumber();
    color_ = packColor(bpp, red, green, blue);
}

int CTextFormatCode::packColor(int bpp, int red, int green, int blue)
{
    auto channel = [](int value, int drop, int mask) { return (static_cast<unsigned>(value) >> drop) & mask; };
    unsigned pixel = bpp == 15 ? channel(red, 3, 31) << 10 | channel(green, 3, 31) << 5 | channel(blue, 3, 31)
                               : channel(red, 3, 31) << 11 | channel(green, 2, 63) << 5 | channel(blue, 3, 31);
    return static_cast<int16_t>(pixel);
}
