#pragma once

#include "foundation/CXObject.h"

#include <cstdint>

// A text key for CHashtable with a positional hash: the sum over the bytes c(i), taken as signed
// 8-bit values, of (1 << (i mod 16)) + (i + 1) * c(i), wrapping at 32 bits. "" hashes to 0.
class CStringHashCode final : public CXObject {
public:
    explicit CStringHashCode(const CXString& text);

    // Replaces the text and its hash.
    void set(const char* text);
    CXString getString() const { return text_; }
    const CXString& text() const { return text_; }
    // A well-spread 64-bit hash of the same bytes, for tables that file many texts: the positional
    // hash gives thousands of texts one value.
    uint64_t getTextHash() const { return textHash_; }
    // Worked out when first asked: lookups through a text index never ask.
    int getHashcode() const override;
    // True when the other object is a CStringHashCode with byte-for-byte the same text.
    bool equals(const CXObject* other) const override;

    static int hashOf(const char* text, int length);
    static uint64_t textHashOf(const char* text, int length);

private:
    mutable int hash_ = 0;
    mutable bool hashKnown_ = false;
    uint64_t textHash_;
    CXString text_;
};
