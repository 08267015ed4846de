#pragma once

#include "foundation/CSortedVector.h"

class CGraphicsObject;
class CValidationElement;

// Graphics objects in ascending drawing priority, equal priorities in the order they were put.
// Owns its elements, not the objects they name.
class CValidationQuene : public CSortedVector {
public:
    CValidationQuene();
    ~CValidationQuene() override;

    // A new element for the object; the caller has checked it is not listed yet.
    CValidationElement* put(CGraphicsObject* object, int priority);
    // The object's element, or null.
    CValidationElement* find(const CGraphicsObject* object) const;
    // Deletes the object's element; false when it is not listed.
    bool take(const CGraphicsObject* object);
    // Deletes every element.
    void clear();

    CValidationElement* elementAt(int index) const;
};
