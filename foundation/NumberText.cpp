#include "foundation/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace foundation {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* skipDigits(const char* p)
{
    while (isDigit(*p))
        ++p;
    return p;
}

// Reads the blanks and sign in front of a number; returns the first character after them.
const char* skipBlanksAndSign(const char* p, bool& negative)
{
    while (isBlank(*p))
        ++p;
    negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    return p;
}

// The classic runtime worked from 17 significant digits and rounded that digit string, so we do
// the same: digits holds the 17 digits of the magnitude, the value is 0.d1d2... x 10^pointPosition.
struct SignificantDigits {
    char digits[17];
    int pointPosition;
};

SignificantDigits significantDigits(double magnitude)
{
    char text[40];
    auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 16);
    *result.ptr = '\0';
    SignificantDigits out{};
    out.digits[0] = text[0];
    for (int i = 1; i < 17; ++i)
        out.digits[i] = text[i + 1];
    const char* exponent = text + 19; // after "d.dddddddddddddddde"
    bool negative = false;
    exponent = skipBlanksAndSign(exponent, negative);
    int value = 0;
    std::from_chars(exponent, result.ptr, value);
    out.pointPosition = (negative ? -value : value) + 1;
    return out;
}

// The first `keep` digits, rounded half away from zero on the next one. A carry out of the first
// digit adds a leading 1 and moves the point one place right.
std::string roundedDigits(const SignificantDigits& source, int keep, int& pointPosition)
{
    pointPosition = source.pointPosition;
    if (keep < 0)
        return std::string();
    if (keep >= 17) {
        std::string all(source.digits, 17);
        all.append(static_cast<size_t>(keep - 17), '0');
        return all;
    }
    std::string kept(source.digits, static_cast<size_t>(keep));
    if (source.digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9')
            kept[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++pointPosition;
        }
    }
    return kept;
}

void dropTrailingZerosKeepingPoint(std::string& mantissa)
{
    size_t point = mantissa.find('.');
    if (point == std::string::npos)
        return;
    size_t last = mantissa.find_last_not_of('0');
    mantissa.erase(last + 1);
}

std::string exponentText(int exponent)
{
    std::string out = exponent < 0 ? "e-" : "e+";
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 3)
        out.append(3 - digits.size(), '0');
    return out + digits;
}

// Nearest estimate of the decimal exponent of a digit string that overflowed or underflowed.
double outOfRangeValue(const char* mantissa, const char* end)
{
    int exponent = 0;
    const char* p = mantissa;
    int integerDigits = 0;
    int leadingFractionZeros = 0;
    bool seenNonZero = false;
    for (; p < end && isDigit(*p); ++p) {
        if (*p != '0' || seenNonZero) {
            seenNonZero = true;
            ++integerDigits;
        }
    }
    if (p < end && *p == '.') {
        for (++p; p < end && isDigit(*p) && !seenNonZero; ++p) {
            if (*p == '0')
                ++leadingFractionZeros;
            else
                seenNonZero = true;
        }
        p = skipDigits(p);
    }
    if (!seenNonZero)
        return 0.0;
    if (p < end && (*p == 'e' || *p == 'E')) {
        bool negative = false;
        const char* digits = skipBlanksAndSign(p + 1, negative);
        int64_t value = 0;
        for (; digits < end && isDigit(*digits) && value < 100000; ++digits)
            value = value * 10 + (*digits - '0');
        exponent = static_cast<int>(negative ? -value : value);
    }
    int estimate = exponent + (integerDigits > 0 ? integerDigits : -leadingFractionZeros);
    return estimate > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

int parseDecimalInt(const char* text)
{
    if (text == nullptr)
        return 0;
    bool negative = false;
    const char* p = skipBlanksAndSign(text, negative);
    uint32_t value = 0;
    for (; isDigit(*p); ++p)
        value = value * 10u + static_cast<uint32_t>(*p - '0');
    return static_cast<int>(negative ? 0u - value : value);
}

double parseDecimalDouble(const char* text)
{
    if (text == nullptr)
        return 0.0;
    bool negative = false;
    const char* start = skipBlanksAndSign(text, negative);
    const char* p = skipDigits(start);
    bool hasDigits = p != start;
    if (*p == '.') {
        const char* fraction = p + 1;
        p = skipDigits(fraction);
        hasDigits = hasDigits || p != fraction;
    }
    if (!hasDigits)
        return 0.0;
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        if (*exponent == '+' || *exponent == '-')
            ++exponent;
        if (isDigit(*exponent))
            p = skipDigits(exponent);
    }
    double value = 0.0;
    auto result = std::from_chars(start, p, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = outOfRangeValue(start, p);
    return negative ? -value : value;
}

const char* nonFiniteText(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    return nullptr;
}

std::string doubleToFiveDecimalsText(double value)
{
    if (value == 0.0)
        return "0";
    if (const char* text = nonFiniteText(value))
        return text;
    SignificantDigits source = significantDigits(std::fabs(value));
    int point = 0;
    std::string digits = roundedDigits(source, source.pointPosition + 5, point);
    if (digits.empty())
        return "0";
    std::string out = value < 0 ? "-" : "";
    if (point > 0) {
        out.append(digits, 0, static_cast<size_t>(point));
        out += '.';
        out.append(digits, static_cast<size_t>(point), std::string::npos);
    } else {
        out += "0.";
        out.append(static_cast<size_t>(-point), '0');
        out += digits;
    }
    return out;
}

std::string doubleToGeneralText(double value, int significant)
{
    if (const char* text = nonFiniteText(value))
        return text;
    if (significant < 1)
        significant = 1;
    if (significant > 17)
        significant = 17;
    std::string out = std::signbit(value) && value != 0.0 ? "-" : "";
    if (value == 0.0) {
        out += "0.";
        return out;
    }
    SignificantDigits source = significantDigits(std::fabs(value));
    int magnitude = source.pointPosition - 1;
    int point = 0;
    std::string digits = roundedDigits(source, significant, point);
    if (magnitude < -1 || magnitude > significant - 1) {
        std::string mantissa(1, digits[0]);
        mantissa += '.';
        mantissa.append(digits, 1, static_cast<size_t>(significant - 1));
        dropTrailingZerosKeepingPoint(mantissa);
        return out + mantissa + exponentText(point - 1);
    }
    // Plain notation: point is at least 0 here, and the digits after it are the decimals.
    std::string fixed = point > 0 ? digits.substr(0, static_cast<size_t>(point)) : std::string("0");
    if (digits.size() > static_cast<size_t>(point)) {
        fixed += '.';
        fixed.append(digits, static_cast<size_t>(point), std::string::npos);
        dropTrailingZerosKeepingPoint(fixed);
    }
    return out + fixed;
}

} // namespace foundation
