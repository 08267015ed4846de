#include "foundation/CXArchive.h"

#include "foundation/CFile.h"
#include "foundation/LittleEndian.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// Texts are read in pieces of this size, so memory follows the bytes that are really there.
constexpr int kTextPiece = 64 * 1024;
// The longest word FRead takes, as the 1024-byte buffer it was read into.
constexpr int kMaxWord = 1023;

bool isBlank(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void copyBytes(const std::string& bytes, CXString* target)
{
    *target = bytes.c_str();
}

} // namespace

CXArchive::CXArchive(CFile* file, bool storing) : file_(file), separator_(0), storing_(storing)
{
}

void CXArchive::Close()
{
    if (file_ != nullptr)
        file_->Close();
}

int32_t CXArchive::toFixedPoint(double value)
{
    const double scaled = value * 10000.0;
    if (std::isnan(scaled))
        return 0;
    if (scaled >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (scaled <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(scaled); // truncates toward zero
}

double CXArchive::fromFixedPoint(int32_t stored)
{
    return stored * 0.0001;
}

void CXArchive::writeBytes(const void* data, int count)
{
    if (count <= 0)
        return;
    if (file_ == nullptr || file_->Write(data, count) != count)
        fail();
}

bool CXArchive::readBytes(void* buffer, int count)
{
    if (count <= 0)
        return true;
    if (file_ != nullptr && file_->Read(buffer, count) == count)
        return true;
    fail();
    return false;
}

template <typename Unsigned>
bool CXArchive::readLittleEndian(Unsigned* value)
{
    uint8_t bytes[sizeof(Unsigned)];
    if (!readBytes(bytes, sizeof bytes))
        return false;
    if constexpr (sizeof(Unsigned) == 4)
        *value = foundation::loadLE32(bytes);
    else
        *value = foundation::loadLE64(bytes);
    return true;
}

bool CXArchive::readText(int count, std::string& bytes)
{
    bytes.clear();
    const size_t wanted = static_cast<size_t>(count);
    while (bytes.size() < wanted) {
        const size_t start = bytes.size();
        const int piece = static_cast<int>(std::min(wanted - start, static_cast<size_t>(kTextPiece)));
        bytes.resize(start + static_cast<size_t>(piece));
        if (!readBytes(bytes.data() + start, piece)) {
            bytes.clear();
            return false;
        }
    }
    return true;
}

bool CXArchive::readLengthAndText(std::string& bytes)
{
    bytes.clear();
    uint32_t length = 0;
    if (!readLittleEndian(&length))
        return false;
    const int32_t count = static_cast<int32_t>(length);
    if (count < 0) {
        // No writer produces a negative length: the data is damaged.
        fail();
        return false;
    }
    return readText(count, bytes);
}

bool CXArchive::readByte(unsigned char* byte)
{
    return readBytes(byte, 1);
}

void CXArchive::writeText(const char* text, int length)
{
    *this << length;
    writeBytes(text, length);
}

CXArchive& CXArchive::operator<<(int value)
{
    return *this << static_cast<uint32_t>(value);
}

CXArchive& CXArchive::operator<<(uint32_t value)
{
    uint8_t bytes[4];
    foundation::storeLE32(bytes, value);
    writeBytes(bytes, sizeof bytes);
    return *this;
}

CXArchive& CXArchive::operator<<(int64_t value)
{
    uint8_t bytes[8];
    foundation::storeLE64(bytes, static_cast<uint64_t>(value));
    writeBytes(bytes, sizeof bytes);
    return *this;
}

CXArchive& CXArchive::operator<<(bool value)
{
    const uint8_t byte = value ? 1 : 0;
    writeBytes(&byte, 1);
    return *this;
}

CXArchive& CXArchive::operator<<(double value)
{
    return *this << static_cast<int>(toFixedPoint(value));
}

CXArchive& CXArchive::operator<<(const CXString& text)
{
    writeText(text.c_str(), text.getLength());
    return *this;
}

CXArchive& CXArchive::operator<<(const char* text)
{
    if (text == nullptr)
        text = "";
    const size_t length = std::strlen(text);
    if (length > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        fail();
        return *this;
    }
    writeText(text, static_cast<int>(length));
    return *this;
}

CXArchive& CXArchive::operator<<(const CXRect& rect)
{
    return *this << rect.left << rect.top << rect.right << rect.bottom;
}

CXArchive& CXArchive::writeShortString(const CXString& text)
{
    const uint8_t length = static_cast<uint8_t>(text.getLength() % 256);
    writeBytes(&length, 1);
    writeBytes(text.c_str(), length);
    return *this;
}

CXArchive& CXArchive::FWrite(const CXString& text)
{
    writeBytes(text.c_str(), text.getLength());
    return *this;
}

CXArchive& CXArchive::CopyFileA(const CXString& name)
{
    CFile source(nullptr, name, CFile::READ | CFile::BINARY);
    if (source.GetHandle() == nullptr)
        return *this;
    // Copied in pieces rather than whole: same bytes, bounded memory.
    std::unique_ptr<char[]> piece(new char[kTextPiece]);
    for (;;) {
        const int got = source.Read(piece.get(), kTextPiece);
        if (got <= 0)
            break;
        writeBytes(piece.get(), got);
    }
    return *this;
}

CXArchive& CXArchive::operator>>(int* target)
{
    uint32_t value = 0;
    if (readLittleEndian(&value))
        *target = static_cast<int>(value);
    return *this;
}

CXArchive& CXArchive::operator>>(uint32_t* target)
{
    readLittleEndian(target);
    return *this;
}

CXArchive& CXArchive::operator>>(int64_t* target)
{
    uint64_t value = 0;
    if (readLittleEndian(&value))
        *target = static_cast<int64_t>(value);
    return *this;
}

CXArchive& CXArchive::operator>>(bool* target)
{
    unsigned char byte = 0;
    if (readByte(&byte))
        *target = byte != 0;
    return *this;
}

CXArchive& CXArchive::operator>>(double* target)
{
    uint32_t stored = 0;
    if (readLittleEndian(&stored))
        *target = fromFixedPoint(static_cast<int32_t>(stored));
    return *this;
}

CXArchive& CXArchive::operator>>(CXString* target)
{
    std::string bytes;
    readLengthAndText(bytes);
    copyBytes(bytes, target);
    return *this;
}

CXArchive& CXArchive::operator>>(char** target)
{
    std::string bytes;
    readLengthAndText(bytes);
    char* text = new char[bytes.size() + 1];
    std::memcpy(text, bytes.data(), bytes.size());
    text[bytes.size()] = '\0';
    *target = text;
    return *this;
}

CXArchive& CXArchive::operator>>(CXRect* target)
{
    uint32_t fields[4];
    for (uint32_t& field : fields) {
        if (!readLittleEndian(&field))
            return *this;
    }
    *target = CXRect(static_cast<int>(fields[0]), static_cast<int>(fields[1]), static_cast<int>(fields[2]),
                     static_cast<int>(fields[3]));
    return *this;
}

CXArchive& CXArchive::readShortString(CXString* target)
{
    unsigned char length = 0;
    std::string bytes;
    if (readByte(&length))
        readText(length, bytes);
    copyBytes(bytes, target);
    return *this;
}

CXArchive& CXArchive::operator>>(char* target)
{
    return *this >> reinterpret_cast<unsigned char*>(target);
}

CXArchive& CXArchive::operator>>(unsigned char* target)
{
    unsigned char byte = 0;
    if (readByte(&byte))
        *target = byte;
    return *this;
}

CXArchive& CXArchive::FRead(CXString& target)
{
    std::string word;
    unsigned char byte = 0;
    do {
        if (!readByte(&byte)) {
            copyBytes(word, &target);
            return *this;
        }
    } while (isBlank(byte));
    for (;;) {
        word += static_cast<char>(byte);
        if (static_cast<int>(word.size()) == kMaxWord || file_->Read(&byte, 1) != 1)
            break;
        if (isBlank(byte)) {
            // The blank that ended the word stays in the stream.
            file_->Seek(-1, 1);
            break;
        }
    }
    copyBytes(word, &target);
    return *this;
}
