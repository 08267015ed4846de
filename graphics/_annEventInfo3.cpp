#include "graphics/_annEventInfo3.h"

#include <algorithm>
#include <cstring>

bool _annEventInfo3::setName(const CXString& text)
{
    int length = std::min(text.getLength(), MaxNameLength);
    std::memcpy(name, text.c_str(), static_cast<size_t>(length));
    std::fill(name + length, name + sizeof(name), '\0');
    return length == text.getLength();
}
