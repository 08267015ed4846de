#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXRect.h"
#include "foundation/CXSize.h"

#include <cstddef>
#include <string_view>

class CXArray;

// One named text setting of a definition element. The typed readings are computed from the
// value text on every call; nothing is cached.
class CMProperty : public CXObject {
public:
    CMProperty();
    explicit CMProperty(const CXString& name);
    CMProperty(const CXString& name, const CXString& value);
    // A property made from the texts a parser holds (never a zero byte among them), without
    // texts of their own first.
    static CMProperty* fromText(std::string_view name, std::string_view value);
    // Every scene read makes and deletes thousands of properties: their blocks come from a pool.
    static void* operator new(size_t size);
    static void operator delete(void* block, size_t size);

    CXString getName() const { return name_; }
    void setName(const CXString& name) { name_ = name; }
    CXString getValue() const { return value_; }
    void setValue(const CXString& value) { value_ = value; }
    // Read-only views of the same texts, for lookups that need no copy.
    const CXString& name() const { return name_; }
    const CXString& value() const { return value_; }

    // True when the other object is a property or an element of the same name.
    bool equals(const CXObject* other) const override;

    // Leading blanks, sign and digits, as atoi reads them; 0 without digits.
    int getIntValue() const;
    // True only for "TRUE" in any letter case.
    bool getBoolValue() const;
    double getDoubleValue() const;
    // The value split at ", \n\r" without empty items: a new array of new strings that the
    // caller releases with CXString::releaseToVector.
    CXArray* getListValue() const;
    // Items taken by position from the list reading; missing items read as 0.
    CXPoint getPointValue() const;
    CXSize getSizeValue() const;
    // Left, top, right, bottom.
    CXRect getRectValue() const;

private:
    struct FromText {};
    CMProperty(FromText, std::string_view name, std::string_view value);

    CXString name_;
    CXString value_;
};
