#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXRect.h"

#include <cstdint>
#include <string>

class CFile;

// The binary stream every object saves itself to and restores itself from: compiled application
// and scene files, each script object's stored form, the data archive's table of contents.
// Fields go straight to the file in a fixed little-endian encoding, with nothing around them (no
// header, count, tag or padding); a reader calls the readers in exactly the order and with the
// types the writer used.
//
//   int, uint32_t   4 bytes
//   int64_t         8 bytes
//   bool            1 byte, 0 or 1
//   double          4 bytes: the value times 10000 truncated toward zero, as a signed int32
//   CXString, char* int32 length n, then n bytes of text, no terminator
//   short string    1 byte: the length modulo 256, then that many bytes
//   CXRect          four int32: left, top, right, bottom
//
// A read that meets the end of the data, or a length that cannot be right, sets the error code
// to ERROR_DATA and leaves the target as documented at each reader; a write that the file does
// not take whole sets it as well. Nothing else ever reports it, so loaders check LastError()
// once after a run of reads.
class CXArchive : public CXObject {
public:
    static constexpr int ERROR_DATA = 2000;

    // The stream over an open file (not owned); storing is true for writing.
    CXArchive(CFile* file, bool storing);
    CXArchive(const CXArchive& other) = default;
    CXArchive& operator=(const CXArchive& other) = default;

    bool isStoring() const { return storing_; }
    CFile* GetFileHandle() const { return file_; }
    // Closes the file (the CFile object stays). Deleting the archive does not close it.
    void Close();
    // Kept for the stored forms that set it; no operation uses it.
    void Separator(unsigned char separator) { separator_ = separator; }

    CXArchive& operator<<(int value);
    CXArchive& operator<<(uint32_t value);
    CXArchive& operator<<(int64_t value);
    CXArchive& operator<<(bool value);
    // Values whose product with 10000 leaves the int32 range are stored as the nearest end of
    // the range; not-a-number as 0.
    CXArchive& operator<<(double value);
    CXArchive& operator<<(const CXString& text);
    // A null text is stored as the empty one.
    CXArchive& operator<<(const char* text);
    CXArchive& operator<<(const CXRect& rect);
    // The length modulo 256, then that many bytes: a text of 300 bytes keeps its first 44.
    CXArchive& writeShortString(const CXString& text);
    // The bare text: no length, no terminator.
    CXArchive& FWrite(const CXString& text);
    // The whole content of the named file (opened as a game file, read-only); nothing when it
    // does not open.
    CXArchive& CopyFileA(const CXString& name);

    // Integers, bools, doubles and rectangles keep their previous value unless all their bytes
    // were read.
    CXArchive& operator>>(int* target);
    CXArchive& operator>>(uint32_t* target);
    CXArchive& operator>>(int64_t* target);
    CXArchive& operator>>(bool* target);
    CXArchive& operator>>(double* target);
    // A length below 1 gives the empty text; a text cut short by the end of the data gives the
    // empty text too. A zero byte inside the text ends it (the rest is skipped).
    CXArchive& operator>>(CXString* target);
    // A new zero-terminated buffer that the caller deletes with delete[]; an empty one when the
    // text could not be read.
    CXArchive& operator>>(char** target);
    CXArchive& operator>>(CXRect* target);
    CXArchive& readShortString(CXString* target);
    // One byte, whatever it is; the target keeps its value at the end of the data.
    CXArchive& operator>>(char* target);
    CXArchive& operator>>(unsigned char* target);
    // One word: blanks are skipped, then bytes are taken up to the next blank (at most 1023; the
    // rest of a longer word stays for the next read).
    CXArchive& FRead(CXString& target);

    // The stored form of a double and the value it reads back as (a multiple of 0.0001).
    static int32_t toFixedPoint(double value);
    static double fromFixedPoint(int32_t stored);

private:
    void writeBytes(const void* data, int count);
    // All count bytes, or false (and the error set).
    bool readBytes(void* buffer, int count);
    template <typename Unsigned>
    bool readLittleEndian(Unsigned* value);
    // count bytes of text, read in bounded pieces so a wild length costs no more memory than the
    // data that is really there.
    bool readText(int count, std::string& bytes);
    // An int32 length and that many bytes; false (bytes empty) when any of it is missing.
    bool readLengthAndText(std::string& bytes);
    void writeText(const char* text, int length);
    bool readByte(unsigned char* byte);
    void fail() { setErrorCode(ERROR_DATA); }

    CFile* file_;
    unsigned char separator_;
    bool storing_;
};
