#include "foundation/CStringArray.h"

CStringArray::CStringArray(bool unique) : strings_(101, 0.75f), unique_(unique)
{
}

CStringArray::~CStringArray()
{
    removeAll();
}

void CStringArray::add(const CXString& text)
{
    if (unique_ && contains(text))
        return;
    strings_.add(new CXString(text));
}

void CStringArray::remove(const CXString& text)
{
    for (int i = strings_.getSize() - 1; i >= 0; --i) {
        CXString* element = strings_.stringAt(i);
        if (*element == text) {
            strings_.removeAt(i);
            delete element;
        }
    }
}

void CStringArray::removeAll()
{
    for (int i = 0; i < strings_.getSize(); ++i)
        delete strings_.stringAt(i);
    strings_.removeAll();
}

bool CStringArray::contains(const CXString& text) const
{
    for (int i = 0; i < strings_.getSize(); ++i) {
        if (strings_.stringAt(i)->equalsIgnoreCase(text))
            return true;
    }
    return false;
}

int CStringArray::getSize() const
{
    return strings_.getSize();
}

CXString* CStringArray::getAt(int index) const
{
    return strings_.stringAt(index);
}
