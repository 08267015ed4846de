#pragma once

#include "foundation/CXArray.h"

// A list of strings that it owns. A unique list refuses a text it already holds in any letter case.
class CStringArray {
public:
    explicit CStringArray(bool unique = false);
    CStringArray(const CStringArray&) = delete;
    CStringArray& operator=(const CStringArray&) = delete;
    virtual ~CStringArray();

    // Appends a copy of the text.
    virtual void add(const CXString& text);
    // Removes and deletes every element exactly equal to text.
    virtual void remove(const CXString& text);
    virtual void removeAll();
    // True when an element equals text ignoring case.
    virtual bool contains(const CXString& text) const;
    virtual int getSize() const;
    // The element at index, null outside [0, size).
    CXString* getAt(int index) const;

private:
    CXArray strings_;
    bool unique_;
};
