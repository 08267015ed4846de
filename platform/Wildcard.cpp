#include "platform/Wildcard.h"

#include "platform/Cp1250.h"

namespace platform {

namespace {
bool sameChar(char patternChar, char nameChar)
{
    return patternChar == '?' ||
           Cp1250::toLower(static_cast<unsigned char>(patternChar)) == Cp1250::toLower(static_cast<unsigned char>(nameChar));
}
} // namespace

bool Wildcard::matches(std::string_view pattern, std::string_view name)
{
    if (matchesPlain(pattern, name))
        return true;
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*")
        return matchesPlain(pattern.substr(0, pattern.size() - 2), name);
    if (pattern.size() >= 2 && pattern.back() == '.')
        return name.find('.') == std::string_view::npos && matchesPlain(pattern.substr(0, pattern.size() - 1), name);
    return false;
}

// Greedy matching with one back-tracking point: the last '*' seen takes one more character each
// time the rest fails, which is linear for the patterns games use and never recursive.
bool Wildcard::matchesPlain(std::string_view pattern, std::string_view name)
{
    size_t p = 0;
    size_t n = 0;
    size_t starPattern = std::string_view::npos;
    size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && sameChar(pattern[p], name[n])) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace platform
