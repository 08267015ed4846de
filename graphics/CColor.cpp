#include "graphics/CColor.h"

CColor::CColor() : value_(0), model_(COLORMODEL_NONE)
{
}

CColor::CColor(short pixel, _colormodel model)
{
    Set(pixel, model);
}

CColor::CColor(unsigned char r, unsigned char g, unsigned char b)
{
    Set(r, g, b);
}

CColor::CColor(unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    Set(r, g, b, a);
}

CColor::CColor(int value)
{
    set(value);
}

CColor::CColor(_pixel pixel)
{
    set(pixel.value);
}

void CColor::Set(short pixel, _colormodel model)
{
    value_ = pixel;
    model_ = model;
}

void CColor::Set(unsigned char r, unsigned char g, unsigned char b)
{
    value_ = pack(0, r, g, b);
    model_ = COLORMODEL_RGB;
}

void CColor::Set(unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    value_ = pack(a, r, g, b);
    model_ = COLORMODEL_ARGB;
}

void CColor::set(int value)
{
    value_ = value;
    model_ = COLORMODEL_ARGB;
}

int CColor::pack(unsigned char a, unsigned char r, unsigned char g, unsigned char b)
{
    return static_cast<int>(uint32_t(a) | uint32_t(r) << 8 | uint32_t(g) << 16 | uint32_t(b) << 24);
}

int CColor::Convert(_colormodel to) const
{
    if (to == model_ || (model_ != COLORMODEL_RGB && model_ != COLORMODEL_ARGB))
        return value_;
    auto bytes = static_cast<uint32_t>(value_);
    int r = (bytes >> 8) & 0xFF;
    int g = (bytes >> 16) & 0xFF;
    int b = (bytes >> 24) & 0xFF;
    if (to == COLORMODEL_15)
        return (r / 8) * 1024 + (g / 8) * 32 + b / 8;
    if (to == COLORMODEL_16)
        return (r / 8) * 2048 + (g / 4) * 32 + b / 8;
    return value_;
}

int CColor::GetInBPP(int bpp) const
{
    switch (bpp) {
    case 15:
        return Convert(COLORMODEL_15);
    case 16:
        return Convert(COLORMODEL_16);
    case 24:
        return Convert(COLORMODEL_RGB);
    case 32:
        return Convert(COLORMODEL_ARGB);
    default:
        return value_;
    }
}

bool CColor::operator==(const CColor& other) const
{
    int theirs = other.model_ == model_ ? other.value_ : other.Convert(model_);
    if (model_ == COLORMODEL_15 || model_ == COLORMODEL_16)
        return uint16_t(value_) == uint16_t(theirs);
    return value_ == theirs;
}
