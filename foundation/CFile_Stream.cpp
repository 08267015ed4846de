#include "foundation/CFile_Stream.h"

#include <algorithm>
#include <cstring>

CFile_Stream::CFile_Stream(char* data, int size) : data_(data), size_(data && size > 0 ? size : 0), position_(0) {}

int CFile_Stream::Seek(int offset, int whence)
{
    int64_t target = position_;
    if (whence == 0)
        target = offset;
    else if (whence == 1)
        target = static_cast<int64_t>(position_) + offset;
    else if (whence == 2)
        target = size_;
    // Positions outside the bytes would make the next read copy from outside them.
    position_ = static_cast<int>(std::clamp<int64_t>(target, 0, size_));
    return position_;
}

int CFile_Stream::Open(CWindow* window, const CXString& name, int flags)
{
    return LastError();
}

int CFile_Stream::Read(void* buffer, int n)
{
    if (!buffer || n <= 0)
        return 0;
    const int count = std::min(n, size_ - position_);
    if (count > 0)
        std::memcpy(buffer, data_ + position_, static_cast<size_t>(count));
    position_ += count;
    return count;
}

bool CFile_Stream::GetLine(char* buffer, int size)
{
    return false;
}

CXString CFile_Stream::getLine()
{
    return CXString();
}
