#include "foundation/CStringHashCode.h"

#include <cstring>
#include <typeinfo>

CStringHashCode::CStringHashCode(const CXString& text) : textHash_(textHashOf(text.c_str(), text.getLength())), text_(text)
{
}

int CStringHashCode::getHashcode() const
{
    if (!hashKnown_) {
        hash_ = hashOf(text_.c_str(), text_.getLength());
        hashKnown_ = true;
    }
    return hash_;
}

void CStringHashCode::set(const char* text)
{
    text_ = text != nullptr ? text : "";
    hashKnown_ = false;
    textHash_ = textHashOf(text_.c_str(), text_.getLength());
}

bool CStringHashCode::equals(const CXObject* other) const
{
    // The class is final: a type test is enough, and cheaper than a dynamic cast on every lookup.
    if (other == nullptr || typeid(*other) != typeid(CStringHashCode))
        return false;
    return static_cast<const CStringHashCode*>(other)->text_ == text_;
}

int CStringHashCode::hashOf(const char* text, int length)
{
    uint32_t hash = 0;
    for (int i = 0; i < length; ++i) {
        auto byte = static_cast<int32_t>(static_cast<signed char>(text[i]));
        hash += (1u << (i & 15)) + static_cast<uint32_t>(i + 1) * static_cast<uint32_t>(byte);
    }
    return static_cast<int>(hash);
}

uint64_t CStringHashCode::textHashOf(const char* text, int length)
{
    // Eight bytes a step, each step mixed by multiply and shift.
    uint64_t hash = 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(length);
    auto mix = [&hash](uint64_t word) {
        hash = (hash ^ word) * 0xBF58476D1CE4E5B9ull;
        hash ^= hash >> 31;
    };
    int position = 0;
    for (; position + 8 <= length; position += 8) {
        uint64_t word;
        std::memcpy(&word, text + position, 8);
        mix(word);
    }
    uint64_t tail = 0;
    std::memcpy(&tail, text + position, static_cast<size_t>(length - position));
    mix(tail);
    hash *= 0x94D049BB133111EBull;
    return hash ^ (hash >> 29);
}
