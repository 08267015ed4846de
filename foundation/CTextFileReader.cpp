#include "foundation/CTextFileReader.h"

#include "foundation/ByteScan.h"
#include "foundation/CFile.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <new>

CTextFileReader::CTextFileReader(CWindow* window, const CXString& fileName)
    : position_(0), size_(0), text_(nullptr), ownsText_(true)
{
    CFile file(window, fileName, CFile::READ | CFile::TEXT);
    setErrorCode(file.LastError());
    const int length = LastError() == 0 ? file.Length() : 0;
    if (length <= 0)
        return;
    char* buffer = new (std::nothrow) char[static_cast<size_t>(length)];
    if (buffer == nullptr) {
        // Too large to hold: it reads as a file that did not open.
        setErrorCode(CFile::NOT_FOUND);
        return;
    }
    size_ = std::max(file.Read(buffer, length), 0);
    if (size_ > 0)
        text_ = buffer;
    else
        delete[] buffer;
}

CTextFileReader::CTextFileReader(CWindow* window, const char* text, int size)
    : position_(0), size_(text != nullptr && size > 0 ? size : 0), text_(text), ownsText_(false)
{
}

CTextFileReader::~CTextFileReader()
{
    if (ownsText_)
        delete[] text_;
}

void CTextFileReader::appendLine(std::string& out)
{
    if (eof())
        return;
    const char* start = text_ + position_;
    const auto left = static_cast<size_t>(size_ - position_);
    // Zero bytes are rare: the line goes over in one piece unless it holds one.
    const size_t stop = foundation::findFirstOf<'\n', '\0'>(start, 0, left);
    if (stop == left || start[stop] == '\n') {
        position_ += static_cast<int>(stop < left ? stop + 1 : stop);
        out.append(start, stop);
        return;
    }
    const void* lineFeed = std::memchr(start, '\n', left);
    const size_t length = lineFeed != nullptr ? static_cast<size_t>(static_cast<const char*>(lineFeed) - start) : left;
    position_ += static_cast<int>(lineFeed != nullptr ? length + 1 : length);
    for (char c : std::string_view(start, length)) {
        if (c != '\0')
            out.push_back(c);
    }
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

    // Room for the line feed the coder appends, so that it fits without growing.
    CXString line(length + 2);
    char* out = line.getBuffer();
    for (int i = 0; i < length; ++i) {
        if (start[i] != '\0')
            *out++ = start[i];
    }
    *out = '\0';
    line.updateLength();
    return line;
}
