#include "foundation/CMemStream.h"

#include "foundation/CDataBuffer.h"
#include "foundation/CFile.h"

#include <algorithm>
#include <cstring>

CMemStream::CMemStream(CFile* file) : size_(0), buffer_(nullptr), cursor_(nullptr), bitPosition_(0)
{
    int length = file != nullptr && file->GetHandle() != nullptr ? file->Length() : 0;
    buffer_ = new CDataBuffer(std::max(length, 0), 1);
    if (length > 0 && buffer_->getData() != nullptr && file->Seek(0, 0) == 0)
        size_ = std::max(file->Read(buffer_->getData(), length), 0);
    cursor_ = buffer_->getData();
}

CMemStream::~CMemStream()
{
    delete buffer_;
}

int CMemStream::remaining() const
{
    return size_ - static_cast<int>(cursor_ - buffer_->getData());
}

int CMemStream::get_bit()
{
    if (remaining() <= 0)
        return 0;
    int bit = (*cursor_ >> (7 - bitPosition_)) & 1;
    if (++bitPosition_ == 8) {
        bitPosition_ = 0;
        ++cursor_;
    }
    return bit;
}

unsigned CMemStream::get_bits(int n)
{
    unsigned value = 0;
    for (int i = 0; i < n; ++i)
        value = value << 1 | unsigned(get_bit());
    return value;
}

int CMemStream::get_signed_bits(int n)
{
    if (n < 1)
        return 0;
    unsigned value = get_bits(n);
    if (n < 32 && (value >> (n - 1)) & 1)
        value |= ~0u << n;
    return static_cast<int>(value);
}

char CMemStream::get_char()
{
    alignToByte();
    return static_cast<char>(readLittleEndian(1));
}

short CMemStream::get_shortint()
{
    alignToByte();
    return static_cast<short>(readLittleEndian(2));
}

int CMemStream::get_int()
{
    alignToByte();
    return static_cast<int>(readLittleEndian(4));
}

void CMemStream::get_bytes(void* target, int length)
{
    if (length <= 0 || target == nullptr)
        return;
    int available = std::min(length, remaining());
    if (available > 0)
        std::memcpy(target, cursor_, size_t(available));
    std::memset(static_cast<uint8_t*>(target) + available, 0, size_t(length - available));
    cursor_ += available;
}

void CMemStream::move(int n)
{
    alignToByte();
    int64_t offset = int64_t(cursor_ - buffer_->getData()) + n;
    cursor_ = buffer_->getData() + std::clamp<int64_t>(offset, 0, size_);
}

void CMemStream::alignToByte()
{
    if (bitPosition_ > 0 && remaining() > 0)
        ++cursor_;
    bitPosition_ = 0;
}

uint32_t CMemStream::readLittleEndian(int count)
{
    uint32_t value = 0;
    for (int i = 0; i < count && remaining() > 0; ++i)
        value |= uint32_t(*cursor_++) << (8 * i);
    return value;
}
