#include "foundation/CTextFileReader.h"

#include <cstring>

CTextFileReader::CTextFileReader(CWindow* window, const char* text, int size)
    : position_(0), size_(text != nullptr && size > 0 ? size : 0), text_(text), ownsText_(false)
{
}

CTextFileReader::~CTextFileReader()
{
    if (ownsText_)
        delete[] text_;
}

CXString CTextFileReader::getLine()
{
    if (eof())
        return CXString();
    const char* start = text_ + position_;
    const int left = size_ - position_;
    const void* lineFeed = std::memchr(start, '\n', static_cast<size_t>(left));
    const int length = lineFeed != nullptr ? static_cast<int>(static_cast<const char*>(lineFeed) - start) : left;
    position_ += lineFeed != nullptr ? length + 1 : length;

    CXString line(length);
    char* out = line.getBuffer();
    for (int i = 0; i < length; ++i) {
        if (start[i] != '\0')
            *out++ = start[i];
    }
    *out = '\0';
    line.updateLength();
    return line;
}
