#pragma once

class CMC_Variable;

// What an ARRAY offers to ADDTOARRAY: appending a copy of a value. The array class implements it
// beside its CMC_Object base.
class CValueList {
public:
    virtual ~CValueList() = default;

    virtual void add(CMC_Variable* value) = 0;
};
