#include "foundation/CDataBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Blocks beyond this are refused rather than attempted.
constexpr uint64_t kMaxBytes = uint64_t(INT32_MAX);

} // namespace

CDataBuffer::CDataBuffer(int count, int elementSize)
    : data_(nullptr), backup_(nullptr), cursor_(nullptr), count_(0), elementSize_(0)
{
    allocate(count, elementSize);
}

CDataBuffer::CDataBuffer(const void* source, int count, int elementSize) : CDataBuffer(count, elementSize)
{
    if (source != nullptr && byteSize() > 0)
        std::memcpy(data_, source, byteSize());
    else
        zero();
}

CDataBuffer::~CDataBuffer()
{
    flush();
}

void CDataBuffer::allocate(int count, int elementSize)
{
    bool valid = count >= 0 && elementSize >= 0 && uint64_t(count) * uint64_t(elementSize) <= kMaxBytes;
    data_ = valid ? new (std::nothrow) uint8_t[size_t(count) * size_t(elementSize)] : nullptr;
    if (data_ == nullptr) {
        setErrorCode(NO_MEMORY);
        return;
    }
    count_ = count;
    elementSize_ = elementSize;
    cursor_ = data_;
}

void CDataBuffer::flush()
{
    delete[] data_;
    delete[] backup_;
    data_ = backup_ = cursor_ = nullptr;
    count_ = 0;
}

void CDataBuffer::backup()
{
    if (data_ == nullptr)
        return;
    if (backup_ == nullptr)
        backup_ = new (std::nothrow) uint8_t[byteSize()];
    if (backup_ != nullptr && byteSize() > 0)
        std::memcpy(backup_, data_, byteSize());
}

void CDataBuffer::restore(bool drop)
{
    if (backup_ == nullptr)
        return;
    if (byteSize() > 0)
        std::memcpy(data_, backup_, byteSize());
    if (drop) {
        delete[] backup_;
        backup_ = nullptr;
    }
}

CDataBuffer* CDataBuffer::clone() const
{
    auto* copy = new CDataBuffer(count_, elementSize_);
    copy->copyFrom(*this);
    return copy;
}

void CDataBuffer::copyFrom(const CDataBuffer& source)
{
    if (source.data_ == nullptr || byteSize() != source.byteSize()) {
        flush();
        return;
    }
    if (byteSize() == 0)
        return;
    std::memcpy(data_, source.data_, byteSize());
    if (source.backup_ != nullptr) {
        backup();
        if (backup_ != nullptr)
            std::memcpy(backup_, source.backup_, byteSize());
    }
    moveTo(source.cursorIndex());
}

void CDataBuffer::zero()
{
    if (byteSize() > 0)
        std::memset(data_, 0, byteSize());
}

int CDataBuffer::getMemoryUsage() const
{
    return static_cast<int>(byteSize());
}

void CDataBuffer::start()
{
    cursor_ = data_;
}

CDataBuffer& CDataBuffer::operator++()
{
    moveTo(cursorIndex() + 1);
    return *this;
}

CDataBuffer& CDataBuffer::operator--()
{
    moveTo(cursorIndex() - 1);
    return *this;
}

CDataBuffer& CDataBuffer::operator+=(int n)
{
    moveTo(cursorIndex() + n);
    return *this;
}

CDataBuffer& CDataBuffer::operator-=(int n)
{
    moveTo(cursorIndex() - int64_t(n));
    return *this;
}

void CDataBuffer::moveTo(int64_t index)
{
    if (data_ == nullptr)
        return;
    index = std::clamp<int64_t>(index, 0, count_);
    cursor_ = data_ + size_t(index) * size_t(elementSize_);
}

int64_t CDataBuffer::cursorIndex() const
{
    if (data_ == nullptr || elementSize_ == 0)
        return 0;
    return int64_t(cursor_ - data_) / elementSize_;
}
