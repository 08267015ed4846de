#include "objects/CSignalList.h"

#include "script/CMC_Object.h"

#include <cstring>

CXString** CSignalList::make() const
{
    return CMC_Object::makeSignalList(names_.data(), names_.size());
}

int CSignalList::positionOf(const char* signal) const
{
    for (size_t i = 0; i < names_.size(); ++i) {
        if (std::strcmp(names_[i], signal) == 0)
            return static_cast<int>(i);
    }
    return -1;
}
