#include "platform/IniDocument.h"

#include "platform/Cp1250.h"
#include "platform/TextTools.h"

namespace platform {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The name of a "[section]" line; false for any other line.
bool sectionOf(std::string_view line, std::string_view& name)
{
    line = TextTools::trim(line);
    if (!line.starts_with('['))
        return false;
    const auto close = line.find(']');
    name = TextTools::trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

// The key and value of a "key=value" line; false for sections, comments and lines without "=".
bool keyOf(std::string_view line, std::string_view& key, std::string_view& value)
{
    const std::string_view trimmed = TextTools::trim(line);
    const auto equals = trimmed.find('=');
    if (trimmed.starts_with('[') || trimmed.starts_with(';') || equals == std::string_view::npos)
        return false;
    key = TextTools::trim(trimmed.substr(0, equals));
    value = TextTools::trim(trimmed.substr(equals + 1));
    return true;
}

std::string keyLine(std::string_view key, std::string_view value)
{
    std::string line(key);
    line.append("=").append(value);
    return line;
}

std::string_view withoutQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

IniDocument IniDocument::parse(std::string_view text)
{
    IniDocument document;
    if (text.starts_with(kUtf8ByteOrderMark)) {
        document.byteOrderMark_ = true;
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find('\n', pos);
        end = end == std::string_view::npos ? text.size() : end + 1;
        std::string_view line = text.substr(pos, end - pos);
        const size_t endLength = line.ends_with("\r\n") ? 2 : line.ends_with('\n') ? 1 : 0;
        const size_t textLength = line.size() - endLength;
        Line& stored = document.lines_.emplace_back();
        stored.text.assign(line.data(), textLength);
        stored.end.assign(line.data() + textLength, endLength);
        pos = end;
    }
    if (!document.lines_.empty() && document.lines_.front().end == "\n")
        document.lineEnd_ = "\n";
    return document;
}

std::string IniDocument::serialize() const
{
    std::string text(byteOrderMark_ ? kUtf8ByteOrderMark : std::string_view());
    for (size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i].text;
        // A last line that had no end gets one only when lines follow it.
        text += lines_[i].end.empty() && i + 1 < lines_.size() ? lineEnd_ : lines_[i].end;
    }
    return text;
}

void IniDocument::insertLine(size_t at, std::string text)
{
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), std::string(lineEnd_)});
}

size_t IniDocument::findKey(std::string_view section, std::string_view key) const
{
    key = TextTools::trim(key);
    section = TextTools::trim(section);
    bool inside = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        std::string_view value;
        if (sectionOf(lines_[i].text, name))
            inside = Cp1250::equalsIgnoreCase(name, section);
        else if (inside && keyOf(lines_[i].text, name, value) && Cp1250::equalsIgnoreCase(name, key))
            return i;
    }
    return std::string::npos;
}

bool IniDocument::get(std::string_view section, std::string_view key, std::string& value) const
{
    const size_t line = findKey(section, key);
    std::string_view name;
    std::string_view found;
    if (line == std::string::npos || !keyOf(lines_[line].text, name, found))
        return false;
    value = withoutQuotes(found);
    return true;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    const size_t existing = findKey(section, key);
    std::string_view name;
    std::string_view oldValue;
    if (existing != std::string::npos && keyOf(lines_[existing].text, name, oldValue)) {
        lines_[existing].text = keyLine(name, value);
        return;
    }
    std::string newLine = keyLine(TextTools::trim(key), value);
    // After the last key of the first section of that name, so blank lines and the comments
    // that introduce the next section stay with it.
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string_view header;
        if (!sectionOf(lines_[i].text, header) || !Cp1250::equalsIgnoreCase(header, TextTools::trim(section)))
            continue;
        size_t insertAt = i + 1;
        for (size_t j = i + 1; j < lines_.size() && !sectionOf(lines_[j].text, header); ++j)
            if (keyOf(lines_[j].text, name, oldValue))
                insertAt = j + 1;
        insertLine(insertAt, std::move(newLine));
        return;
    }
    if (!lines_.empty() && !TextTools::trim(lines_.back().text).empty())
        insertLine(lines_.size(), std::string());
    std::string header("[");
    header.append(TextTools::trim(section)).append("]");
    insertLine(lines_.size(), std::move(header));
    insertLine(lines_.size(), std::move(newLine));
}

bool IniDocument::removeKey(std::string_view section, std::string_view key)
{
    bool removed = false;
    for (size_t line; (line = findKey(section, key)) != std::string::npos; removed = true)
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
    return removed;
}

bool IniDocument::removeSection(std::string_view section)
{
    const size_t before = lines_.size();
    std::vector<Line> kept;
    bool dropping = false;
    for (Line& line : lines_) {
        std::string_view name;
        if (sectionOf(line.text, name))
            dropping = Cp1250::equalsIgnoreCase(name, TextTools::trim(section));
        if (!dropping)
            kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
    return lines_.size() != before;
}

} // namespace platform
