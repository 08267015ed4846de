#pragma once

#include <string_view>

namespace platform {

// File-name patterns as Windows reads them: '*' any run of characters, '?' any one character,
// letters compared regardless of case (code page 1250). A pattern ending in ".*" also takes names
// without that extension ("*.*" takes every name, "a.*" takes "a"), and one ending in a bare "."
// takes only names without a dot ("*." lists the names that have no extension).
class Wildcard {
public:
    static bool matches(std::string_view pattern, std::string_view name);

private:
    static bool matchesPlain(std::string_view pattern, std::string_view name);
};

} // namespace platform
