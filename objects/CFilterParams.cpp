#include "objects/CFilterParams.h"

void CFilterParams::setProperty(const CXString& name, const CXString& value)
{
    take(name, "ONEATTIME", value, oneAtTime_);
}

bool CFilterParams::take(const CXString& name, const char* key, const CXString& value, double& field)
{
    if (name != key)
        return false;
    field = value.toDouble();
    return true;
}

bool CFilterParams::take(const CXString& name, const char* key, const CXString& value, int& field)
{
    if (name != key)
        return false;
    field = value.toNumber();
    return true;
}

bool CFilterParams::take(const CXString& name, const char* key, const CXString& value, bool& field)
{
    if (name != key)
        return false;
    field = value.toBool();
    return true;
}

bool CFilterParams::take(const CXString& name, const char* key, const CXString& value, CXString& field)
{
    if (name != key)
        return false;
    field = value;
    return true;
}
