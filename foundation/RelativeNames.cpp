#include "foundation/RelativeNames.h"

#include "platform/Files.h"

#include <string>

namespace foundation {

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

bool isNameBelowFolder(std::string_view name, size_t maxLength)
{
    if (name.empty() || name.size() > maxLength || isSeparator(name.front()) || isSeparator(name.back())
        || name.front() == '$' || name.front() == '&'
        || name.find_first_of(std::string_view(":?*\0", 4)) != std::string_view::npos)
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !isSeparator(name[end]))
            ++end;
        if (name.substr(start, end - start) == "..")
            return false;
        start = end + 1;
    }
    return true;
}

bool isNameBelowFolder(const CXString& name, size_t maxLength)
{
    return isNameBelowFolder(std::string_view(name.c_str(), static_cast<size_t>(name.getLength())), maxLength);
}

void makeFoldersOf(const CXString& path)
{
    const std::string text(path.c_str(), static_cast<size_t>(path.getLength()));
    for (size_t at = 0; at < text.size(); ++at) {
        if (!isSeparator(text[at]) || at == 0 || text[at - 1] == ':')
            continue;
        const std::string folder = text.substr(0, at);
        if (!platform::files().folderExists(folder))
            platform::files().makeFolder(folder);
    }
}

} // namespace foundation
