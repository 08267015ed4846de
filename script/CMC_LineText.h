#pragma once

#include "foundation/CXString.h"

// A text that a parsed line keeps for as long as it lives (its own text, a name or a literal):
// never changed once made, held in the object itself when short, as most names and literals are,
// else in a block of exactly its size. A large script keeps a great many of them.
class CMC_LineText {
public:
    CMC_LineText() = default;
    explicit CMC_LineText(const CXString& text);
    ~CMC_LineText();
    CMC_LineText(const CMC_LineText&) = delete;
    CMC_LineText& operator=(const CMC_LineText&) = delete;

    // The characters, not NUL-terminated.
    const char* data() const { return isLocal() ? local_ : heap_; }
    int length() const { return length_; }
    CXString toString() const { return CXString::fromBytes(data(), length_); }
    // The characters [start, end) as a string.
    CXString part(int start, int end) const { return CXString::fromBytes(data() + start, end - start); }

private:
    static constexpr int kLocalCapacity = 16;

    bool isLocal() const { return length_ <= kLocalCapacity; }

    union {
        char local_[kLocalCapacity];
        char* heap_;
    };
    int length_ = 0;
};
