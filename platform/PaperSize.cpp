#include "platform/PaperSize.h"

#include "platform/AtomicFile.h"
#include "platform/ConfigFolder.h"
#include "platform/Cp1250.h"
#include "platform/TextTools.h"

#include <charconv>
#include <string>

namespace platform {

namespace {

constexpr char kSettingsFile[] = "printer.conf";
constexpr double kShortestSideMm = 10;
constexpr double kLongestSideMm = 5000;

struct NamedPaper {
    const char* name;
    PaperSize size;
};

constexpr NamedPaper kNamedPapers[] = {
    {"a3", {297, 420}},
    {"a4", {210, 297}},
    {"a5", {148, 210}},
    {"letter", {215.9, 279.4}},
    {"legal", {215.9, 355.6}},
};

std::optional<double> millimetres(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= kShortestSideMm && value <= kLongestSideMm))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<PaperSize> PaperSize::named(std::string_view name)
{
    const std::string lower = Cp1250::toLower(name);
    for (const NamedPaper& paper : kNamedPapers) {
        if (lower == paper.name)
            return paper.size;
    }
    const size_t cross = lower.find('x');
    if (cross == std::string::npos)
        return std::nullopt;
    const std::optional<double> width = millimetres(std::string_view(lower).substr(0, cross));
    const std::optional<double> height = millimetres(std::string_view(lower).substr(cross + 1));
    if (!width || !height)
        return std::nullopt;
    return PaperSize{*width, *height};
}

PaperSize PaperSize::fromSettings(std::string_view text)
{
    PaperSize paper;
    for (std::string_view line : TextTools::lines(text)) {
        const std::vector<std::string_view> words = TextTools::split(line, " \t\r");
        if (words.size() != 2 || Cp1250::toLower(words[0]) != "paper")
            continue;
        if (std::optional<PaperSize> size = named(words[1]))
            paper = *size;
    }
    return paper;
}

PaperSize PaperSize::system()
{
    std::string text;
    AtomicFile::readAll(ConfigFolder::path() + "/" + kSettingsFile, text);
    return fromSettings(text);
}

} // namespace platform
