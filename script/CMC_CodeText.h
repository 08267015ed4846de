#pragma once

#include "foundation/CXString.h"

#include <vector>

class CXArray;

// The text work of behaviour code: cutting code into lines and a line's argument list into pieces,
// and filling "$1".."$9" with the parameters of a run. The language's own quirks are kept: blanks
// are removed everywhere (inside quotes too), only parentheses nest (brackets and braces do not),
// and text after the last top-level ";" is not a line.
class CMC_CodeText {
public:
    // The longest line (and filled text) the language accepts; longer ones are dropped.
    static constexpr int kMaxLineLength = 10240;

    // The line texts of a code, blanks removed, each without its ";". A line longer than the
    // limit is dropped (and reported).
    static std::vector<CXString> splitLines(const CXString& code);
    // The pieces of an argument text cut at the commas outside parentheses; empty pieces are kept
    // (the caller skips them).
    static std::vector<CXString> splitArguments(const CXString& text);
    // The text with every "$n" (n from 1 to 9, not beyond the parameters) replaced by the n-th
    // parameter; any other "$" stays. Texts longer than the limit come back empty (and reported).
    static CXString fillParams(const CXString& text, const CXArray* parameters);
    static bool hasParameterMark(const CXString& text) { return text.Find('$') >= 0; }
    // The text between the first and the last character ("[x]" gives "x"); empty when shorter
    // than two characters.
    static CXString inner(const CXString& text);
    // Trimmed of blanks at both ends.
    static CXString trimmed(const CXString& text);

    static void reportDropped(const char* what);
};
