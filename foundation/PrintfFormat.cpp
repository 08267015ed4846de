#include "foundation/PrintfFormat.h"

#include "foundation/NumberText.h"

#include <clocale>
#include <cstdio>
#include <cstring>

namespace foundation {

namespace {

constexpr int kLargestField = 4096;

class Formatter {
public:
    Formatter(const FormatArgument* arguments, int count) : arguments_(arguments), count_(count) {}

    std::string run(const char* format);

private:
    FormatArgument take()
    {
        // A missing argument reads as "" (and so as 0 for the numeric conversions).
        return next_ < count_ ? arguments_[next_++] : FormatArgument("");
    }

    static int numberOf(const FormatArgument& argument)
    {
        return argument.isText ? parseDecimalInt(argument.text) : argument.number;
    }

    static std::string textOf(const FormatArgument& argument)
    {
        return argument.isText ? std::string(argument.text) : std::to_string(argument.number);
    }

    static int readField(const char*& p)
    {
        int value = 0;
        for (; *p >= '0' && *p <= '9'; ++p) {
            if (value <= kLargestField)
                value = value * 10 + (*p - '0');
        }
        return value > kLargestField ? kLargestField : value;
    }

    int readStarField()
    {
        int value = numberOf(take());
        if (value < -kLargestField)
            return -kLargestField;
        return value > kLargestField ? kLargestField : value;
    }

    // Builds "%<flags><width>.<precision><conversion>" for one value of a known type.
    std::string patternFor(char conversion) const
    {
        std::string pattern = "%";
        pattern += flags_;
        if (width_ >= 0)
            pattern += std::to_string(width_);
        if (precision_ >= 0) {
            pattern += '.';
            pattern += std::to_string(precision_);
        }
        pattern += conversion;
        return pattern;
    }

    template <typename T>
    void append(char conversion, T value)
    {
        std::string pattern = patternFor(conversion);
        int size = std::snprintf(nullptr, 0, pattern.c_str(), value);
        if (size <= 0)
            return;
        size_t start = out_.size();
        out_.resize(start + static_cast<size_t>(size) + 1);
        std::snprintf(&out_[start], static_cast<size_t>(size) + 1, pattern.c_str(), value);
        out_.resize(start + static_cast<size_t>(size));
    }

    void appendFloating(char conversion, double value)
    {
        size_t start = out_.size();
        append(conversion, value);
        // Only the decimal point can depend on the process locale here; put the C one back.
        const char* point = std::localeconv()->decimal_point;
        if (point != nullptr && point[0] != '\0' && point[0] != '.' && point[1] == '\0') {
            for (size_t i = start; i < out_.size(); ++i) {
                if (out_[i] == point[0])
                    out_[i] = '.';
            }
        }
    }

    // Texts and characters take no sign, zero-padding or alternate form.
    void keepOnlyLeftAlignment()
    {
        bool left = flags_.find('-') != std::string::npos;
        flags_ = left ? "-" : "";
    }

    void readFlagsWidthPrecision(const char*& p);
    void convert(char conversion, const char* conversionStart, const char* conversionEnd);

    const FormatArgument* arguments_;
    int count_;
    int next_ = 0;
    std::string out_;
    std::string flags_;
    int width_ = -1;
    int precision_ = -1;
};

void Formatter::readFlagsWidthPrecision(const char*& p)
{
    flags_.clear();
    while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr)
        flags_ += *p++;
    width_ = -1;
    if (*p == '*') {
        ++p;
        width_ = readStarField();
        if (width_ < 0) {
            flags_ += '-';
            width_ = -width_;
        }
    } else if (*p >= '0' && *p <= '9') {
        width_ = readField(p);
    }
    precision_ = -1;
    if (*p == '.') {
        ++p;
        if (*p == '*') {
            ++p;
            precision_ = readStarField();
            if (precision_ < 0)
                precision_ = -1;
        } else {
            precision_ = readField(p);
        }
    }
    // Length modifiers, including the I64/I32 ones of old Windows formats: the value's type is
    // ours to choose, so they are skipped.
    while (*p != '\0' && std::strchr("hlLqjzt", *p) != nullptr)
        ++p;
    if (*p == 'I') {
        ++p;
        if ((p[0] == '6' && p[1] == '4') || (p[0] == '3' && p[1] == '2'))
            p += 2;
    }
}

void Formatter::convert(char conversion, const char* conversionStart, const char* conversionEnd)
{
    switch (conversion) {
    case 'd':
    case 'i':
        append('d', numberOf(take()));
        break;
    case 'u':
    case 'o':
    case 'x':
    case 'X':
        append(conversion, static_cast<unsigned>(numberOf(take())));
        break;
    case 'c': {
        keepOnlyLeftAlignment();
        precision_ = -1;
        FormatArgument argument = take();
        int character = argument.isText ? static_cast<unsigned char>(argument.text[0]) : argument.number;
        append('c', character);
        break;
    }
    case 's': {
        keepOnlyLeftAlignment();
        std::string text = textOf(take());
        append('s', text.c_str());
        break;
    }
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        appendFloating(conversion, static_cast<double>(numberOf(take())));
        break;
    case 'n':
        take();
        break;
    default:
        out_.append(conversionStart, conversionEnd);
        break;
    }
}

std::string Formatter::run(const char* format)
{
    const char* p = format;
    while (*p != '\0') {
        if (*p != '%') {
            out_ += *p++;
            continue;
        }
        const char* conversionStart = p++;
        if (*p == '%') {
            out_ += '%';
            ++p;
            continue;
        }
        readFlagsWidthPrecision(p);
        if (*p == '\0') {
            out_.append(conversionStart, p);
            break;
        }
        char conversion = *p++;
        convert(conversion, conversionStart, p);
    }
    return out_;
}

} // namespace

std::string formatText(const char* format, const FormatArgument* arguments, int count)
{
    if (format == nullptr)
        return std::string();
    Formatter formatter(arguments, count);
    return formatter.run(format);
}

} // namespace foundation
