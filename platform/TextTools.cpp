#include "platform/TextTools.h"

namespace platform {

std::vector<std::string_view> TextTools::lines(std::string_view text)
{
    std::vector<std::string_view> result;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        result.push_back(line);
        pos = end + 1;
    }
    return result;
}

std::string_view TextTools::trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> TextTools::split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || separators.find(text[i]) != std::string_view::npos) {
            if (i > start)
                pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return pieces;
}

} // namespace platform
