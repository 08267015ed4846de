#include "network/CNetMessage.h"

#include "foundation/LittleEndian.h"

#include <cstring>

namespace {

// A copy of a frame's bytes with the zero byte that ends its last text.
std::unique_ptr<uint8_t[]> copyFrame(const uint8_t* frame, int length)
{
    auto copy = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(length) + 1);
    std::memcpy(copy.get(), frame, static_cast<size_t>(length));
    copy[static_cast<size_t>(length)] = 0;
    return copy;
}

} // namespace

CNetMessage::CNetMessage(CXSocket* socket) : socket_(socket) {}

CNetMessage::CNetMessage(CXSocket* socket, int type) : socket_(socket)
{
    allocate(type, HEAD_LENGTH);
}

CNetMessage::CNetMessage(CXSocket* socket, const uint8_t* frame, int available) : socket_(socket)
{
    if (frame == nullptr || available < HEAD_LENGTH)
        return;
    int length = static_cast<int>(foundation::loadLE32(frame + 4));
    if (length < HEAD_LENGTH || length > available)
        return;
    type_ = static_cast<int>(foundation::loadLE32(frame));
    length_ = length;
    buffer_ = copyFrame(frame, length);
}

CNetMessage::CNetMessage(CXSocket* socket, std::unique_ptr<uint8_t[]> frame, int length)
    : type_(static_cast<int>(foundation::loadLE32(frame.get()))), length_(length), buffer_(std::move(frame)),
      socket_(socket)
{
    buffer_[static_cast<size_t>(length)] = 0;
}

CNetMessage::CNetMessage(const CXString& sender, const CNetMessage* raw)
    : type_(raw->type_), length_(raw->length_), socket_(raw->socket_), sender_(sender)
{
    if (raw->buffer_ != nullptr)
        buffer_ = copyFrame(raw->buffer_.get(), length_);
}

CNetMessage::CNetMessage(CXSocket* socket, int type, const CXString& text) : socket_(socket)
{
    allocate(type, HEAD_LENGTH + text.getLength() + 1);
    putText(HEAD_LENGTH, text);
}

CNetMessage::~CNetMessage() = default;

void CNetMessage::allocate(int type, int length)
{
    type_ = type;
    length_ = length;
    buffer_ = std::make_unique<uint8_t[]>(static_cast<size_t>(length) + 1);
    putWord(0, type);
    putWord(4, length);
}

void CNetMessage::putWord(int offset, int value)
{
    foundation::storeLE32(buffer_.get() + offset, static_cast<uint32_t>(value));
}

int CNetMessage::wordAt(int offset) const
{
    if (offset < 0 || offset > length_ - 4)
        return 0;
    return static_cast<int>(foundation::loadLE32(buffer_.get() + offset));
}

const char* CNetMessage::textAt(int offset) const
{
    if (offset < 0 || offset >= length_)
        return "";
    return reinterpret_cast<const char*>(buffer_.get() + offset);
}

int CNetMessage::afterTextAt(int offset) const
{
    return offset + static_cast<int>(std::strlen(textAt(offset))) + 1;
}

int CNetMessage::putText(int offset, const CXString& text)
{
    std::memcpy(buffer_.get() + offset, text.c_str(), static_cast<size_t>(text.getLength()) + 1);
    return offset + text.getLength() + 1;
}
