#include "platform/DocumentsFolder.h"

#include "platform/AtomicFile.h"
#include "platform/ConfigFolder.h"
#include "platform/TextTools.h"

namespace platform {

namespace {

constexpr std::string_view kDocumentsKey = "XDG_DOCUMENTS_DIR";
constexpr std::string_view kHomePrefix = "$HOME";

// A quoted value: "$HOME/folder" or "/folder"; empty for anything else.
std::string folderOfValue(std::string_view value, const std::string& home)
{
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return {};
    value = value.substr(1, value.size() - 2);
    // Quotes and escapes inside the value are not read: such a line names no folder.
    if (value.find_first_of("\"\\") != std::string_view::npos)
        return {};
    std::string folder;
    if (value.starts_with(kHomePrefix) && (value.size() == kHomePrefix.size() || value[kHomePrefix.size()] == '/'))
        folder = home + std::string(value.substr(kHomePrefix.size()));
    else if (value.starts_with('/'))
        folder = value;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace

std::string DocumentsFolder::fromUserDirs(std::string_view text, const std::string& home)
{
    std::string folder;
    for (std::string_view line : TextTools::lines(text)) {
        line = TextTools::trim(line);
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || TextTools::trim(line.substr(0, equals)) != kDocumentsKey)
            continue;
        if (std::string named = folderOfValue(TextTools::trim(line.substr(equals + 1)), home); !named.empty())
            folder = named;
    }
    return folder;
}

std::string DocumentsFolder::path()
{
    const std::string home = ConfigFolder::home();
    std::string text;
    AtomicFile::readAll(ConfigFolder::configHome() + "/user-dirs.dirs", text);
    const std::string named = fromUserDirs(text, home);
    return named.empty() ? home + "/Documents" : named;
}

} // namespace platform
