#include "foundation/CSortedVector.h"

CSortedVector::CSortedVector(int size) : CXVector(size, 0.75f)
{
}

void CSortedVector::add(CXObject* element)
{
    for (int i = 0; i < getSize(); ++i) {
        CXObject* stored = at(i);
        if (stored != nullptr && stored->compare(element) > 0) {
            slots_.insertElement(i, element);
            return;
        }
    }
    slots_.add(element);
}

CSortedVector* CSortedVector::reverse() const
{
    auto* reversed = new CSortedVector(getSize());
    for (int i = getSize() - 1; i >= 0; --i)
        reversed->add(at(i));
    return reversed;
}
