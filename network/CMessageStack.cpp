#include "network/CMessageStack.h"

#include "foundation/LittleEndian.h"
#include "network/CNetMessage.h"

#include <algorithm>
#include <cstring>

CMessageStack::CMessageStack(CXSocket* socket, int largeFrame) : socket_(socket), largeFrame_(largeFrame) {}

CMessageStack::~CMessageStack() = default;

bool CMessageStack::push(const uint8_t* bytes, int count)
{
    if (failed_)
        return false;
    if (bytes == nullptr || count <= 0)
        return true;
    size_t used = gather(bytes, static_cast<size_t>(count));
    append(bytes + used, static_cast<size_t>(count) - used);
    return true;
}

size_t CMessageStack::gather(const uint8_t* bytes, size_t count)
{
    if (large_ == nullptr)
        return 0;
    size_t used = std::min(count, largeLength_ - largeFilled_);
    std::memcpy(large_.get() + largeFilled_, bytes, used);
    largeFilled_ += used;
    return used;
}

void CMessageStack::append(const uint8_t* bytes, size_t count)
{
    if (count == 0)
        return;
    if (readOffset_ == bytes_.size()) {
        bytes_.clear();
        readOffset_ = 0;
    } else if (readOffset_ > 0 && bytes_.size() + count > bytes_.capacity() && readOffset_ >= buffered()) {
        // Moving the unread bytes to the front is cheaper than growing.
        bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(readOffset_));
        readOffset_ = 0;
    }
    bytes_.insert(bytes_.end(), bytes, bytes + count);
}

CNetMessage* CMessageStack::get()
{
    if (large_ != nullptr)
        return largeFilled_ == largeLength_ ? takeLarge() : nullptr;
    if (failed_ || buffered() < CNetMessage::HEAD_LENGTH)
        return nullptr;
    const uint8_t* frame = bytes_.data() + readOffset_;
    int length = static_cast<int>(foundation::loadLE32(frame + 4));
    if (length < CNetMessage::HEAD_LENGTH || length > MAX_FRAME_LENGTH) {
        fail();
        return nullptr;
    }
    if (static_cast<size_t>(length) > buffered()) {
        if (length > largeFrame_)
            startLarge(static_cast<size_t>(length));
        return nullptr;
    }
    auto* message = new CNetMessage(socket_, frame, length);
    readOffset_ += static_cast<size_t>(length);
    return message;
}

void CMessageStack::startLarge(size_t length)
{
    large_ = std::make_unique_for_overwrite<uint8_t[]>(length + 1);
    largeLength_ = length;
    largeFilled_ = buffered();
    std::memcpy(large_.get(), bytes_.data() + readOffset_, largeFilled_);
    bytes_.clear();
    readOffset_ = 0;
}

CNetMessage* CMessageStack::takeLarge()
{
    auto* message = new CNetMessage(socket_, std::move(large_), static_cast<int>(largeLength_));
    largeLength_ = 0;
    largeFilled_ = 0;
    return message;
}

void CMessageStack::fail()
{
    failed_ = true;
    bytes_.clear();
    bytes_.shrink_to_fit();
    readOffset_ = 0;
}
