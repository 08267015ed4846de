#include "script/CMC_LineText.h"

#include <algorithm>

CMC_LineText::CMC_LineText(const CXString& text) : length_(text.getLength())
{
    char* target = local_;
    if (!isLocal()) {
        heap_ = new char[static_cast<size_t>(length_)];
        target = heap_;
    }
    std::copy_n(text.c_str(), length_, target);
}

CMC_LineText::~CMC_LineText()
{
    if (!isLocal())
        delete[] heap_;
}
