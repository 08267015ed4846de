#include "foundation/CFileBytes.h"

#include "foundation/CFile.h"

CFileBytes::CFileBytes(CFile* file)
{
    if (file == nullptr || file->GetHandle() == nullptr)
        return;
    int rest = file->Length() - file->Tell();
    if (rest <= 0)
        return;
    bytes_.resize(size_t(rest));
    bytes_.resize(size_t(file->Read(bytes_.data(), rest)));
}
