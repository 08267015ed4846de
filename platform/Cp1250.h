#pragma once

#include <string>
#include <string_view>

namespace platform {

// Code page 1250, the byte encoding of every engine text, against UTF-8, the encoding of names on
// disk and of what the desktop shows. The five bytes the code page leaves undefined map to the C1
// control characters of the same value, so every byte string survives a round trip.
class Cp1250 {
public:
    static std::string toUtf8(std::string_view cp1250);
    // Characters the code page lacks, and malformed UTF-8, become '?'; the result is false then.
    static bool fromUtf8(std::string_view utf8, std::string& cp1250);

    // Case mapping of the code page's letters, Polish, Czech and the other Central European ones
    // included; other bytes stay as they are.
    static unsigned char toLower(unsigned char c);
    static unsigned char toUpper(unsigned char c);
    static std::string toLower(std::string_view text);
    static bool equalsIgnoreCase(std::string_view a, std::string_view b);
    // Byte order of the lower-cased texts: <0, 0 or >0.
    static int compareIgnoreCase(std::string_view a, std::string_view b);
};

} // namespace platform
