#include "foundation/CStringTokenizer.h"

#include <cstring>

CStringTokenizer::CStringTokenizer(const CXString& text, const CXString& separators)
    : text_(text), separators_(separators), position_(0)
{
    readToken();
}

bool CStringTokenizer::hasMoreTokens() const
{
    return next_.IsString();
}

CXString CStringTokenizer::nextToken()
{
    CXString token(next_);
    readToken();
    return token;
}

bool CStringTokenizer::isSeparator(char c) const
{
    return c != '\0' &&
        std::memchr(separators_.c_str(), static_cast<unsigned char>(c), static_cast<size_t>(separators_.getLength())) != nullptr;
}

void CStringTokenizer::readToken()
{
    int length = text_.getLength();
    const char* text = text_.c_str();
    while (position_ < length && isSeparator(text[position_]))
        ++position_;
    int start = position_;
    while (position_ < length && !isSeparator(text[position_]))
        ++position_;
    // The position stays on the separator that ended the token.
    text_.mid(start, position_, &next_);
}
