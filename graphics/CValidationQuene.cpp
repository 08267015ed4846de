#include "graphics/CValidationQuene.h"

#include "graphics/CValidationElement.h"

CValidationQuene::CValidationQuene() : CSortedVector(101)
{
}

CValidationQuene::~CValidationQuene()
{
    clear();
}

CValidationElement* CValidationQuene::put(CGraphicsObject* object, int priority)
{
    auto* element = new CValidationElement(object, priority);
    add(element);
    return element;
}

CValidationElement* CValidationQuene::find(const CGraphicsObject* object) const
{
    for (int i = 0; i < getSize(); ++i) {
        CValidationElement* element = elementAt(i);
        if (element->getObject() == object)
            return element;
    }
    return nullptr;
}

bool CValidationQuene::take(const CGraphicsObject* object)
{
    CValidationElement* element = find(object);
    if (element == nullptr)
        return false;
    remove(element);
    delete element;
    return true;
}

void CValidationQuene::clear()
{
    for (int i = 0; i < getSize(); ++i)
        delete elementAt(i);
    removeAll();
}

CValidationElement* CValidationQuene::elementAt(int index) const
{
    return static_cast<CValidationElement*>(at(index));
}
