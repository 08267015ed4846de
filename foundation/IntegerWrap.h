#pragma once

#include <cstdint>

namespace foundation {

// 32-bit two's-complement arithmetic that wraps instead of overflowing: coordinates and numbers
// reach us from game scripts, and a wild value must give a wrong number, never undefined behaviour.
constexpr int wrapToInt(int64_t value)
{
    return static_cast<int>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

constexpr int wrapAdd(int a, int b)
{
    return static_cast<int>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

constexpr int wrapSub(int a, int b)
{
    return static_cast<int>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

constexpr int wrapMul(int a, int b)
{
    return static_cast<int>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

} // namespace foundation
