#include "network/CMessageStack.h"

#include "foundation/LittleEndian.h"
#include "network/CNetMessage.h"

#include <cstring>

CMessageStack::CMessageStack(CXSocket* socket) : socket_(socket) {}

bool CMessageStack::push(const uint8_t* bytes, int count)
{
    if (failed_)
        return false;
    if (bytes == nullptr || count <= 0)
        return true;
    makeRoom(static_cast<size_t>(count));
    bytes_.insert(bytes_.end(), bytes, bytes + count);
    return true;
}

void CMessageStack::makeRoom(size_t count)
{
    if (readOffset_ == bytes_.size()) {
        bytes_.clear();
        readOffset_ = 0;
    } else if (readOffset_ > 0 && bytes_.size() + count > bytes_.capacity() && readOffset_ >= buffered()) {
        bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(readOffset_));
        readOffset_ = 0;
    }
    // A frame's head tells its size: it then grows once, not at every doubling.
    if (buffered() >= CNetMessage::HEAD_LENGTH) {
        size_t frameEnd = readOffset_ + foundation::loadLE32(bytes_.data() + readOffset_ + 4);
        if (frameEnd <= readOffset_ + MAX_FRAME_LENGTH && frameEnd > bytes_.capacity())
            bytes_.reserve(frameEnd);
    }
}

CNetMessage* CMessageStack::get()
{
    if (failed_ || buffered() < CNetMessage::HEAD_LENGTH)
        return nullptr;
    const uint8_t* frame = bytes_.data() + readOffset_;
    int length = static_cast<int>(foundation::loadLE32(frame + 4));
    if (length < CNetMessage::HEAD_LENGTH || length > MAX_FRAME_LENGTH) {
        fail();
        return nullptr;
    }
    if (static_cast<size_t>(length) > buffered())
        return nullptr;
    auto* message = new CNetMessage(socket_, frame, length);
    readOffset_ += static_cast<size_t>(length);
    return message;
}

void CMessageStack::fail()
{
    failed_ = true;
    bytes_.clear();
    bytes_.shrink_to_fit();
    readOffset_ = 0;
}
