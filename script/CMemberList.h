#pragma once

class CMC_Object;

// What a GROUP offers to code that fills it (ADDTOGROUP, gathering objects by type, the inline
// behaviours of loaded objects): the group class implements it beside its CMC_Object base.
class CMemberList {
public:
    virtual ~CMemberList() = default;

    // Appends the object unless it is a member already. The group does not own it.
    virtual void add(CMC_Object* member) = 0;
    virtual void removeAll() = 0;
};
