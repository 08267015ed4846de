#pragma once

#include <string>

namespace foundation {

// One argument of a printf-style format: a number or a text.
struct FormatArgument {
    FormatArgument(int value) : isText(false), number(value), text("") {}
    FormatArgument(const char* value) : isText(true), number(0), text(value != nullptr ? value : "") {}

    bool isText;
    int number;
    const char* text;
};

// printf-style formatting over typed arguments. Every conversion takes the next argument and
// converts it to what the conversion wants (a text for %d reads as its number, a number for %s as
// its decimal text), so a format that does not match its arguments cannot read a wrong type;
// missing arguments read as 0 or "", %n writes nothing, unknown conversions stay as written.
// Widths and precisions are cut to 4096 so a wild format cannot ask for gigabytes.
std::string formatText(const char* format, const FormatArgument* arguments, int count);

} // namespace foundation
