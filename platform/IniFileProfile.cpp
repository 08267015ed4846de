#include "platform/IniFileProfile.h"

#include "platform/AtomicFile.h"
#include "platform/ConfigFolder.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/UpdateLock.h"

namespace platform {

namespace {

bool isBareName(const std::string& file)
{
    return file.find_first_of("\\/:") == std::string::npos;
}

bool hasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

bool writable(const std::string& section, const std::string& key, const std::string& value)
{
    const auto keyStart = key.find_first_not_of(" \t");
    const bool keyOpensOtherLine = keyStart != std::string::npos && (key[keyStart] == '[' || key[keyStart] == ';');
    return !hasLineBreak(section) && !hasLineBreak(key) && !hasLineBreak(value) &&
           section.find(']') == std::string::npos && key.find('=') == std::string::npos && !keyOpensOtherLine;
}

// Leading blanks, a sign and decimal digits, wrapping at 32 bits.
int leadingNumber(const std::string& text)
{
    size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string::npos)
        return 0;
    const bool negative = text[pos] == '-';
    if (text[pos] == '-' || text[pos] == '+')
        ++pos;
    uint32_t number = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        number = number * 10u + static_cast<uint32_t>(text[pos] - '0');
    return static_cast<int>(negative ? 0u - number : number);
}

} // namespace

IniFileProfile::IniFileProfile(std::string bareNameFolder) : bareNameFolder_(std::move(bareNameFolder)) {}

std::string IniFileProfile::nativePath(const std::string& file) const
{
    if (file.empty())
        return {};
    return isBareName(file) ? bareNameFolder_ + "/" + Cp1250::toUtf8(file) : files().nativePath(file);
}

bool IniFileProfile::read(const std::string& file, const std::string& section, const std::string& key, std::string& value)
{
    std::lock_guard lock(mutex_);
    std::string text;
    return AtomicFile::readAll(nativePath(file), text) && IniDocument::parse(text).get(section, key, value);
}

bool IniFileProfile::change(const std::string& file, const std::function<bool(IniDocument&)>& edit)
{
    const std::string native = nativePath(file);
    if (native.empty() || (isBareName(file) && !ConfigFolder::ensureExists(bareNameFolder_)))
        return false;
    std::lock_guard lock(mutex_);
    UpdateLock update(AtomicFile::folderOf(native));
    std::string text;
    AtomicFile::readAll(native, text);
    IniDocument document = IniDocument::parse(text);
    return edit(document) && AtomicFile::replace(native, document.serialize());
}

std::string IniFileProfile::getString(const std::string& file, const std::string& section, const std::string& key,
                                      const std::string& defaultValue)
{
    std::string value;
    if (!read(file, section, key, value))
        value = defaultValue.substr(0, defaultValue.find_last_not_of(' ') + 1);
    if (value.size() > kMaxValueLength)
        value.resize(kMaxValueLength);
    return value;
}

int IniFileProfile::getInt(const std::string& file, const std::string& section, const std::string& key, int defaultValue)
{
    std::string value;
    if (!read(file, section, key, value) || value.empty())
        return defaultValue;
    return leadingNumber(value);
}

bool IniFileProfile::writeString(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& value)
{
    if (!writable(section, key, value))
        return false;
    return change(file, [&](IniDocument& document) {
        document.set(section, key, value);
        return true;
    });
}

bool IniFileProfile::deleteKey(const std::string& file, const std::string& section, const std::string& key)
{
    return change(file, [&](IniDocument& document) { return document.removeKey(section, key); });
}

bool IniFileProfile::deleteSection(const std::string& file, const std::string& section)
{
    return change(file, [&](IniDocument& document) { return document.removeSection(section); });
}

} // namespace platform
