#include "graphics/CFontCollection.h"

#include "foundation/CXVector.h"

CFontCollection::CFontCollection(CWindow* window) : CSimpleFont6(window), fonts_(new CXVector(101, 0.75f))
{
}

CFontCollection::~CFontCollection()
{
    delete fonts_;
}

void CFontCollection::addFont(CSimpleFont6* font)
{
    if (font == nullptr || fonts_->contains(font))
        return;
    fonts_->add(font);
    if (base_ == nullptr)
        base_ = font;
}

CSimpleFont6* CFontCollection::get(const CXString& family, const CXString& style, int size) const
{
    for (int i = 0; i < getFontCount(); ++i) {
        CSimpleFont6* font = getFontAt(i);
        if (font->getSize() == size && font->getFamily().equalsIgnoreCase(family) && font->getStyle().equalsIgnoreCase(style))
            return font;
    }
    return nullptr;
}

int CFontCollection::getFontCount() const
{
    return fonts_->getSize();
}

CSimpleFont6* CFontCollection::getFontAt(int index) const
{
    return static_cast<CSimpleFont6*>((*fonts_)[index]);
}

void CFontCollection::SetOpacity(unsigned char opacity)
{
    CSimpleFont6::SetOpacity(opacity);
    for (int i = 0; i < getFontCount(); ++i)
        getFontAt(i)->SetOpacity(opacity);
}

void CFontCollection::setColor(int color)
{
    for (int i = 0; i < getFontCount(); ++i)
        getFontAt(i)->setColor(color);
}

int CFontCollection::Height()
{
    return base_ != nullptr ? base_->Height() : 0;
}

int CFontCollection::drawLetter(int x, int y, char before, char letter)
{
    if (base_ == nullptr)
        return 0;
    if (GetDestiny() != nullptr)
        base_->SetDestiny(GetDestiny());
    return base_->drawLetter(x, y, before, letter);
}

int CFontCollection::getLetterWidth(char before, char letter)
{
    return base_ != nullptr ? base_->getLetterWidth(before, letter) : 0;
}

int CFontCollection::getRealLetterWidth(char letter)
{
    return base_ != nullptr ? base_->getRealLetterWidth(letter) : 0;
}

int CFontCollection::getKerning(char before, char letter)
{
    return base_ != nullptr ? base_->getKerning(before, letter) : 0;
}

void CFontCollection::SetClippingRect(char letter, CXRect rect)
{
    if (base_ != nullptr)
        base_->SetClippingRect(letter, rect);
}

bool CFontCollection::isMultifont()
{
    return true;
}
