#pragma once

#include "foundation/CXObject.h"

// Splits a text at any of a set of separator characters. Runs of separators count as one, leading
// and trailing separators are ignored, and no empty token is produced: the empty token only
// comes once the text is used up.
class CStringTokenizer : public CXObject {
public:
    CStringTokenizer(const CXString& text, const CXString& separators);

    virtual bool hasMoreTokens() const;
    // The next token, "" when none is left.
    virtual CXString nextToken();
    bool isSeparator(char c) const;

private:
    void readToken();

    CXString text_;
    CXString separators_;
    CXString next_;
    int position_;
};
