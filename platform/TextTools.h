#pragma once

#include <string_view>
#include <vector>

namespace platform {

// Small text helpers shared by the readers of the platform's own files.
class TextTools {
public:
    // The lines of a text, without their LF or CRLF ends; a final line end adds no empty line.
    static std::vector<std::string_view> lines(std::string_view text);
    // Blanks, tabs and carriage returns taken off both ends.
    static std::string_view trim(std::string_view text);
    // The non-empty pieces between any of the separators.
    static std::vector<std::string_view> split(std::string_view text, std::string_view separators);
};

} // namespace platform
