#pragma once

#include "foundation/CXString.h"

#include <initializer_list>
#include <vector>

// The signals of one script type in the order of its behaviours list. A signal's position there is
// the index of its bound flag in CMC_Object, so the order is part of the type's contract; every
// list starts with "ONINIT", "ONDONE", "ONSIGNAL".
class CSignalList {
public:
    CSignalList(std::initializer_list<const char*> names) : names_(names) {}

    // A new null-terminated array of new names, as getBehavioursList answers it.
    CXString** make() const;
    // The position of the signal; -1 when the type has no such signal.
    int positionOf(const char* signal) const;
    // The signal at the position; the empty text outside the list.
    const char* nameAt(int position) const
    {
        return position >= 0 && static_cast<size_t>(position) < names_.size() ? names_[static_cast<size_t>(position)] : "";
    }

private:
    std::vector<const char*> names_;
};
