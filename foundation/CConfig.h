#pragma once

#include "foundation/CXObject.h"

// One INI file read and written by section and key. Nothing is held open or cached: every call
// goes to the file, so two objects on the same file see each other's writes at once.
class CConfig : public CXObject {
public:
    CConfig();
    explicit CConfig(const CXString& fileName);

    // The value's leading decimal number; 0 when the file, section or key is missing.
    int GetInt(const CXString& section, const CXString& key) const;
    // The trimmed value (at most 10239 bytes); empty when missing.
    CXString GetString(const CXString& section, const CXString& key) const;
    // Writes the value as decimal text. A write that cannot be done is lost silently.
    void PutInt(const CXString& section, const CXString& key, int value) const;
    void PutString(const CXString& section, const CXString& key, const CXString& value) const;

private:
    CXString fileName_;
};
