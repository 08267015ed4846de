#include "foundation/CFileBytes.h"

#include "foundation/CFile.h"

#include <new>

CFileBytes::CFileBytes(CFile* file)
{
    if (file == nullptr || file->GetHandle() == nullptr)
        return;
    int rest = file->Length() - file->Tell();
    if (rest <= 0)
        return;
    // Not cleared first: every byte kept is read.
    bytes_.reset(new (std::nothrow) uint8_t[size_t(rest)]);
    if (bytes_ != nullptr)
        size_ = size_t(file->Read(bytes_.get(), rest));
}
