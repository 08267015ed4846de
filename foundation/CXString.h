#pragma once

#include "foundation/CXPoint.h"
#include "foundation/CXRect.h"

#include <cstring>

class CXArray;
namespace foundation {
struct FormatArgument;
}

// The engine's text: a growable, zero-terminated string of code page 1250 bytes (Polish letters
// are single bytes above 127). Passed and returned by value.
//
// Positions count from 0 and searches give -1 for "not found". Positions and counts that lie
// outside the text are clamped to it (script code hands us positions straight from game
// scripts), so no operation ever reads or writes outside the buffer.
//
// Capacity grows by 32 characters of room when an assignment or append does not fit, and doubles
// when single characters or integers are appended; results of Left, Mid and operator+ start
// with the capacity of the left operand.
class CXString {
public:
    CXString();
    CXString(const char* text);
    CXString(const CXString& other);
    // A buffer of `size` bytes for the caller to fill through getBuffer(), then updateLength().
    explicit CXString(int size);
    virtual ~CXString();
    // The first `length` bytes (up to a zero byte among them), in a buffer just big enough: for the
    // many short texts a parser keeps.
    static CXString fromBytes(const char* bytes, int length);
    // The same for bytes known to hold no zero byte (a parser's tokens): none is looked for.
    static CXString fromTextBytes(const char* bytes, int length);

    int getLength() const { return length_; }
    int getCapacity() const { return capacity_; }
    const char* c_str() const { return buffer_; }
    // Writable buffer of getCapacity() + 1 bytes; call updateLength() after writing into it.
    char* getBuffer() { return buffer_; }
    // Takes the length from the terminating zero of the buffer (the buffer is cut at capacity).
    void updateLength();

    CXString& operator=(const CXString& other);
    CXString& operator=(const char* text);
    CXString& operator=(char character);
    CXString& operator=(int value);
    // Nine significant digits in the classic general form ("1.5", "100.", "5.e-002").
    CXString& operator=(double value);

    CXString& operator+=(const CXString& other);
    CXString& operator+=(const char* text);
    // A zero character is not appended: it would end the text early.
    CXString& operator+=(char character);
    CXString& operator+=(int value);
    // Appends the same text that assigning the double gives.
    CXString& operator+=(double value);

    bool equals(const CXString& other) const;
    // Compares with both sides upper-cased, Polish letters included.
    bool equalsIgnoreCase(const CXString& other) const;
    bool startsWith(const CXString& prefix) const;
    bool endsWith(const CXString& suffix) const;
    // The same for a literal, without making a text of it.
    bool startsWith(const char* prefix) const;
    bool endsWith(const char* suffix) const;

    CXString& Upper();
    CXString& Lower();
    bool IsUpper() const;
    bool IsLower() const;
    bool IsUpper(int index) const;

    // Copies: Left takes a count, Mid a start and an end (exclusive), Right a start position.
    CXString Left(int count) const;
    CXString Mid(int start, int end) const;
    CXString Right(int start) const;
    // The same, in place.
    CXString& left(int count);
    CXString& mid(int start, int end);
    CXString& right(int start);
    // The same, written into `out`.
    void left(int count, CXString* out) const;
    void mid(int start, int end, CXString* out) const;
    void right(int start, CXString* out) const;

    // The character at index; -1 means the last one. '\0' when there is no such character.
    char GetAt(int index) const;
    char lastChar() const;
    int Find(char character, int from = 0) const;
    // Last index below `from`; -1 searches the whole text.
    int FindLast(char character, int from = -1) const;
    int FindSubString(const CXString& text, int from = 0) const;
    virtual int indexOf(const CXString& text, int from = 0) const;
    virtual int findOneOf(const CXString& set, int from = 0) const;
    virtual int getCount(char character) const;
    bool IsString() const { return length_ > 0; }

    // Every character a becomes b.
    CXString& Replace(char a, char b);
    // A copy with every occurrence of `from` (left to right, not overlapping) replaced by `to`.
    CXString replace(const CXString& from, const CXString& to) const;
    // In place: the text from `start`, with the first occurrence of `from` there replaced by `to`.
    CXString& replaceOnce(const CXString& from, const CXString& to, int start);
    CXString& LTrim(char character);
    CXString& RTrim(char character);
    CXString& AllTrim(char character);
    CXString& FillWith(char character, int count);
    // Drops every "<tag...>" whose name starts with `tag` (letter case counts). A tag that is never
    // closed drops the rest of the text.
    CXString& removeTag(const CXString& tag);

    // printf-style; the formatted text replaces the string's text. A format that does not match
    // its arguments converts them instead of reading a wrong type.
    CXString& Format(const char* format, int a);
    CXString& Format(const char* format, int a, int b);
    CXString& Format(const char* format, const CXString& a);
    CXString& Format(const char* format, const CXString& a, int b);
    CXString& Format(const char* format, const CXString& a, int b, const CXString& c);
    CXString& Format(const char* format, const CXString& a, int b, int c);

    // Leading blanks, sign and digits, C locale; 0 when there are none.
    int toNumber() const;
    long toLong() const;
    double toDouble() const;
    static int toNumber(const CXString& text);
    static long toLong(const CXString& text);
    static double toDouble(const CXString& text);
    // True when toNumber is not 0 ("0" and "abc" are both false).
    bool isNumber() const;
    bool toBool() const;
    static bool toBool(const CXString& text);
    // Numbers separated by any of ".|, ", missing ones 0.
    CXPoint toPoint() const;
    CXRect toRect() const;
    // A new array of new strings, one per token (separators ", \n\r" by default); the caller
    // releases it with releaseToVector.
    CXArray* toVector() const;
    CXArray* toVector(const CXString& separators) const;
    static void releaseToVector(CXArray* strings);
    // The word with index n, words separated by blanks, line feeds and tabs; "" when there is none.
    CXString getWord(int n) const;

    static CXString toString(bool value);
    static CXString toString(int value);
    // Five decimals ("1.50000"), "0" for zero.
    static CXString toString(double value);

    // This string as a file pattern matched against a name the way Windows matches them ('?' one
    // character, '*' any run, "*.*" everything, letter case ignored).
    bool FilterFits(const CXString& name) const;

private:
    CXString(const char* text, int length, int capacity);

    void assign(const char* text, int length, bool reuseWhenFits);
    // Whether text[0, length) stands at that position.
    bool holdsAt(int position, const char* text, int length) const;
    CXString& assignFormatted(const char* format, const foundation::FormatArgument* arguments, int count);
    void growKeeping(int capacity);
    void append(const char* text, int length);
    void appendWithDoubling(const char* text, int length, int headroom);
    // Takes a fresh buffer of capacity + 1 bytes whose first `length` bytes hold the text.
    void adopt(char* fresh, int length, int capacity);
    // Replaces the buffer with a fresh one of the given capacity holding text[0, length).
    void rebuild(const char* text, int length, int capacity);
    void keepRange(int start, int end);
    void copyRangeInto(int start, int end, CXString* out) const;
    int clampPosition(int position) const;

    // Texts of up to kLocalCapacity characters are held in the string itself: most texts are short
    // names and values, and a block of their own costs more than they hold.
    static constexpr int kLocalCapacity = 32;
    // A buffer of capacity + 1 bytes holding "": the string's own room when it is large enough.
    char* bufferFor(int capacity);
    void releaseBuffer();

    int length_;
    int capacity_;
    char* buffer_;
    char local_[kLocalCapacity + 1];
};

CXString operator+(const CXString& a, const CXString& b);
CXString operator+(const CXString& a, const char* b);
CXString operator+(const char* a, const CXString& b);

// Inline: names are compared on every lookup of script dispatch.
inline bool operator==(const CXString& a, const CXString& b)
{
    return a.getLength() == b.getLength() && std::memcmp(a.c_str(), b.c_str(), static_cast<size_t>(a.getLength())) == 0;
}
bool operator==(const CXString& a, const char* b);
bool operator==(const char* a, const CXString& b);
bool operator!=(const CXString& a, const CXString& b);
bool operator!=(const CXString& a, const char* b);
bool operator!=(const char* a, const CXString& b);
