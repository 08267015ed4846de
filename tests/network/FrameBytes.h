#pragma once

// Frames of the engine's TCP stream written byte by byte here, independently of the message
// classes: the tests compare the classes' frames with these and feed these to the readers.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace nettest {

using Bytes = std::vector<uint8_t>;

// A payload built field by field; frame() puts the head in front.
class Payload {
public:
    Payload& word(int32_t value)
    {
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
        return *this;
    }
    // The text and its terminator.
    Payload& text(const std::string& value)
    {
        bytes_.insert(bytes_.end(), value.c_str(), value.c_str() + value.size() + 1);
        return *this;
    }
    // The bytes alone, with no terminator.
    Payload& raw(const std::string& value)
    {
        bytes_.insert(bytes_.end(), value.begin(), value.end());
        return *this;
    }
    Payload& byte(uint8_t value)
    {
        bytes_.push_back(value);
        return *this;
    }
    Payload& real(double value)
    {
        uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        word(static_cast<int32_t>(bits));
        return word(static_cast<int32_t>(bits >> 32));
    }
    Payload& zeros(size_t count)
    {
        bytes_.insert(bytes_.end(), count, 0);
        return *this;
    }

    // The frame with its true length word.
    Bytes frame(int32_t type) const { return frame(type, static_cast<int32_t>(bytes_.size() + 8)); }
    // The frame with the length word given, whatever the payload's size.
    Bytes frame(int32_t type, int32_t length) const
    {
        Payload head;
        head.word(type).word(length);
        Bytes out = head.bytes_;
        out.insert(out.end(), bytes_.begin(), bytes_.end());
        return out;
    }

private:
    Bytes bytes_;
};

// "01 0F 00" -> {1, 15, 0}.
inline Bytes hex(const std::string& text)
{
    Bytes out;
    for (size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == ' ')
            continue;
        out.push_back(static_cast<uint8_t>(std::stoi(text.substr(at, 2), nullptr, 16)));
        ++at;
    }
    return out;
}

inline Bytes joined(const std::vector<Bytes>& frames)
{
    Bytes out;
    for (const Bytes& frame : frames)
        out.insert(out.end(), frame.begin(), frame.end());
    return out;
}

} // namespace nettest
