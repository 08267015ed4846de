#include "foundation/CXArray.h"

#include "foundation/CTextHolder.h"

CXArray::CXArray(int size, float loadFactor) : CXPointerList<void>(size, loadFactor)
{
}

void* CXArray::setAt(int index, void* element)
{
    return slots_.setSlot(index, element);
}

void CXArray::insertAt(int index, void* element)
{
    slots_.insertSlot(index, element);
}

bool CXArray::containsString(const CXString& text) const
{
    for (int i = 0; i < slots_.count(); ++i) {
        auto* object = static_cast<const CXObject*>(slots_.element(i));
        auto* holder = dynamic_cast<const CTextHolder*>(object);
        if (holder != nullptr && holder->getTextValue().equalsIgnoreCase(text))
            return true;
    }
    return false;
}

CXString* CXArray::stringAt(int index) const
{
    return static_cast<CXString*>(slots_.element(index));
}

void* CXArray::operator[](int index) const
{
    return slots_.slot(index);
}

CXObject* CXArray::clone() const
{
    auto* copy = new CXArray(1, slots_.loadFactor());
    copy->slots_.copyFrom(slots_, true);
    return copy;
}
