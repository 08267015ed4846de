#include "foundation/CodePage1250.h"

#include <array>
#include <cstddef>

namespace foundation {

namespace {

struct CaseTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
};

constexpr unsigned char kPolishPairs[][2] = {
    {0x8C, 0x9C}, // Ś ś
    {0x8F, 0x9F}, // Ź ź
    {0xA3, 0xB3}, // Ł ł
    {0xA5, 0xB9}, // Ą ą
    {0xAF, 0xBF}, // Ż ż
    {0xC6, 0xE6}, // Ć ć
    {0xCA, 0xEA}, // Ę ę
    {0xD1, 0xF1}, // Ń ń
    {0xD3, 0xF3}, // Ó ó
};

constexpr CaseTables makeCaseTables()
{
    CaseTables tables;
    for (int i = 0; i < 256; ++i) {
        tables.upper[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
        tables.lower[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        tables.upper[static_cast<size_t>(c)] = static_cast<unsigned char>(c - 32);
        tables.lower[static_cast<size_t>(c - 32)] = static_cast<unsigned char>(c);
    }
    for (const auto& pair : kPolishPairs) {
        tables.upper[pair[1]] = pair[0];
        tables.lower[pair[0]] = pair[1];
    }
    return tables;
}

constexpr CaseTables kCase = makeCaseTables();

unsigned char byteOf(char c)
{
    return static_cast<unsigned char>(c);
}

} // namespace

char upperCase1250(char c)
{
    return static_cast<char>(kCase.upper[byteOf(c)]);
}

char lowerCase1250(char c)
{
    return static_cast<char>(kCase.lower[byteOf(c)]);
}

bool isUpperLetter1250(char c)
{
    return kCase.lower[byteOf(c)] != byteOf(c);
}

bool isLowerLetter1250(char c)
{
    return kCase.upper[byteOf(c)] != byteOf(c);
}

} // namespace foundation
