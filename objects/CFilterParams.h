#pragma once

#include "foundation/CXString.h"

// The parameters of a filter effect, set by name from script texts. The base knows ONEATTIME
// (a LINK first drops every other link); each effect's record knows its own names (exact, upper
// case) and hands the others to its base. A name nobody knows changes nothing; a value that does
// not convert takes what the conversion gives.
class CFilterParams {
public:
    virtual ~CFilterParams() = default;

    virtual void setProperty(const CXString& name, const CXString& value);
    bool isOneAtTime() const { return oneAtTime_; }

protected:
    // When the name is the key, the field takes the converted value and the answer is true.
    static bool take(const CXString& name, const char* key, const CXString& value, double& field);
    static bool take(const CXString& name, const char* key, const CXString& value, int& field);
    static bool take(const CXString& name, const char* key, const CXString& value, bool& field);
    static bool take(const CXString& name, const char* key, const CXString& value, CXString& field);

private:
    bool oneAtTime_ = false;
};
