#include "platform/Cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace platform {

namespace {

// Unicode code points of the bytes 0x80-0xFF.
constexpr std::array<uint16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Upper-case letters above ASCII and their lower-case partners.
constexpr std::array<std::pair<unsigned char, unsigned char>, 10> kHighCasePairs = {{
    {0x8A, 0x9A}, // Š š
    {0x8C, 0x9C}, // Ś ś
    {0x8D, 0x9D}, // Ť ť
    {0x8E, 0x9E}, // Ž ž
    {0x8F, 0x9F}, // Ź ź
    {0xA3, 0xB3}, // Ł ł
    {0xA5, 0xB9}, // Ą ą
    {0xAA, 0xBA}, // Ş ş
    {0xAF, 0xBF}, // Ż ż
    {0xBC, 0xBE}, // Ľ ľ
}};

struct CaseTables {
    std::array<unsigned char, 256> lower{};
    std::array<unsigned char, 256> upper{};
};

constexpr CaseTables makeCaseTables()
{
    CaseTables tables;
    for (int c = 0; c < 256; ++c) {
        tables.lower[c] = static_cast<unsigned char>(c);
        tables.upper[c] = static_cast<unsigned char>(c);
    }
    auto pair = [&tables](int upperCase, int lowerCase) {
        tables.lower[upperCase] = static_cast<unsigned char>(lowerCase);
        tables.upper[lowerCase] = static_cast<unsigned char>(upperCase);
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        pair(c, c + 32);
    // Ŕ..Ţ and ŕ..ţ sit 0x20 apart, except the multiplication and division signs.
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7)
            pair(c, c + 32);
    for (auto [upperCase, lowerCase] : kHighCasePairs)
        pair(upperCase, lowerCase);
    return tables;
}

constexpr CaseTables kCase = makeCaseTables();

void appendUtf8(std::string& out, uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[pos]; advances pos. Returns false for malformed input
// (pos then moves past the offending byte).
bool decodeUtf8(std::string_view text, size_t& pos, uint32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        codePoint = lead;
        return true;
    }
    int continuation;
    uint32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        continuation = 1, minimum = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        continuation = 2, minimum = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        continuation = 3, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return false;
    }
    for (int i = 0; i < continuation; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80)
            return false;
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return codePoint >= minimum && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

bool encodeByte(uint32_t codePoint, char& byte)
{
    if (codePoint < 0x80) {
        byte = static_cast<char>(codePoint);
        return true;
    }
    auto found = std::find(kHighHalf.begin(), kHighHalf.end(), codePoint);
    if (found == kHighHalf.end())
        return false;
    byte = static_cast<char>(0x80 + (found - kHighHalf.begin()));
    return true;
}

} // namespace

std::string Cp1250::toUtf8(std::string_view cp1250)
{
    std::string out;
    out.reserve(cp1250.size());
    for (char c : cp1250) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte < 0x80 ? byte : kHighHalf[byte - 0x80]);
    }
    return out;
}

bool Cp1250::fromUtf8(std::string_view utf8, std::string& cp1250)
{
    cp1250.clear();
    cp1250.reserve(utf8.size());
    bool lossless = true;
    size_t pos = 0;
    while (pos < utf8.size()) {
        uint32_t codePoint = 0;
        char byte = '?';
        if (!decodeUtf8(utf8, pos, codePoint) || !encodeByte(codePoint, byte)) {
            lossless = false;
            byte = '?';
        }
        cp1250 += byte;
    }
    return lossless;
}

unsigned char Cp1250::toLower(unsigned char c)
{
    return kCase.lower[c];
}

unsigned char Cp1250::toUpper(unsigned char c)
{
    return kCase.upper[c];
}

std::string Cp1250::toLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(toLower(static_cast<unsigned char>(c)));
    return out;
}

int Cp1250::compareIgnoreCase(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int left = toLower(static_cast<unsigned char>(a[i]));
        const int right = toLower(static_cast<unsigned char>(b[i]));
        if (left != right)
            return left - right;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool Cp1250::equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && compareIgnoreCase(a, b) == 0;
}

} // namespace platform
