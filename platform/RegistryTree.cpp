#include "platform/RegistryTree.h"

#include "platform/Cp1250.h"
#include "platform/TextTools.h"

#include <algorithm>

namespace platform {

struct RegistryTree::Key {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::unique_ptr<Key>> children;

    Key* child(std::string_view childName) const
    {
        for (const auto& candidate : children)
            if (Cp1250::equalsIgnoreCase(candidate->name, childName))
                return candidate.get();
        return nullptr;
    }
};

namespace {
template <class Values>
auto findValue(Values& values, std::string_view name)
{
    return std::find_if(values.begin(), values.end(),
                        [name](const auto& value) { return Cp1250::equalsIgnoreCase(value.first, name); });
}
} // namespace

namespace {

std::vector<std::string_view> splitPath(std::string_view path)
{
    return TextTools::split(path, "\\");
}

std::string escape(std::string_view text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F && c != ']') {
            out += c;
        } else {
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0x0F];
        }
    }
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads escaped text from line[pos] up to (not including) the first unescaped terminator, which
// pos is left on. False when an escape is malformed or the terminator never comes.
bool readEscaped(std::string_view line, size_t& pos, char terminator, std::string& out)
{
    out.clear();
    while (pos < line.size() && line[pos] != terminator) {
        if (line[pos] != '\\') {
            out += line[pos++];
            continue;
        }
        if (pos + 1 < line.size() && (line[pos + 1] == '\\' || line[pos + 1] == '"')) {
            out += line[pos + 1];
            pos += 2;
        } else if (pos + 3 < line.size() && line[pos + 1] == 'x' && hexDigit(line[pos + 2]) >= 0 && hexDigit(line[pos + 3]) >= 0) {
            out += static_cast<char>(hexDigit(line[pos + 2]) * 16 + hexDigit(line[pos + 3]));
            pos += 4;
        } else {
            return false;
        }
    }
    return pos < line.size();
}

bool parseKeyLine(std::string_view line, std::string& path)
{
    size_t pos = 1;
    return readEscaped(line, pos, ']', path) && pos + 1 == line.size();
}

bool parseValueLine(std::string_view line, std::string& name, std::string& value)
{
    size_t pos = 1;
    if (!readEscaped(line, pos, '"', name) || line.substr(pos, 3) != "\"=\"")
        return false;
    pos += 3;
    return readEscaped(line, pos, '"', value) && pos + 1 == line.size();
}

template <class Named>
std::vector<std::string> sortedNames(const std::vector<Named>& items, std::string (*nameOf)(const Named&))
{
    std::vector<std::string> names;
    for (const auto& item : items)
        names.push_back(nameOf(item));
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Cp1250::compareIgnoreCase(a, b) < 0; });
    return names;
}

} // namespace

RegistryTree::RegistryTree() : root_(std::make_unique<Key>()) {}
RegistryTree::~RegistryTree() = default;
RegistryTree::RegistryTree(RegistryTree&&) noexcept = default;
RegistryTree& RegistryTree::operator=(RegistryTree&&) noexcept = default;

RegistryTree RegistryTree::parse(std::string_view text)
{
    RegistryTree tree;
    std::string currentPath;
    bool inKey = false;
    std::string name;
    std::string value;
    for (std::string_view line : TextTools::lines(text)) {
        if (line.starts_with('[')) {
            inKey = parseKeyLine(line, currentPath) && (splitPath(currentPath).empty() || tree.createKey(currentPath));
        } else if (inKey && line.starts_with('"') && parseValueLine(line, name, value)) {
            tree.setValue(currentPath, name, value);
        }
    }
    return tree;
}

std::string RegistryTree::serialize() const
{
    std::string out;
    auto write = [&out](const Key& key, const std::string& path, auto& self) -> void {
        if (!path.empty() || !key.values.empty())
            out += "[" + escape(path) + "]\n";
        for (const auto& [name, value] : key.values)
            out += "\"" + escape(name) + "\"=\"" + escape(value) + "\"\n";
        for (const auto& child : key.children)
            self(*child, path.empty() ? child->name : path + "\\" + child->name, self);
    };
    write(*root_, std::string(), write);
    return out;
}

const RegistryTree::Key* RegistryTree::find(std::string_view path) const
{
    const Key* key = root_.get();
    for (std::string_view name : splitPath(path))
        if (!(key = key->child(name)))
            return nullptr;
    return key;
}

RegistryTree::Key* RegistryTree::find(std::string_view path)
{
    return const_cast<Key*>(std::as_const(*this).find(path));
}

bool RegistryTree::keyExists(std::string_view path) const
{
    return find(path) != nullptr;
}

bool RegistryTree::createKey(std::string_view path)
{
    const auto names = splitPath(path);
    if (names.empty() || names.size() > kMaxDepth)
        return false;
    Key* key = root_.get();
    for (std::string_view name : names) {
        Key* next = key->child(name);
        if (!next) {
            key->children.push_back(std::make_unique<Key>());
            next = key->children.back().get();
            next->name = name;
        }
        key = next;
    }
    return true;
}

bool RegistryTree::getValue(std::string_view path, std::string_view name, std::string& value) const
{
    const Key* key = find(path);
    if (!key)
        return false;
    auto found = findValue(key->values, name);
    if (found == key->values.end())
        return false;
    value = found->second;
    return true;
}

bool RegistryTree::setValue(std::string_view path, std::string_view name, std::string_view value)
{
    Key* key = find(path);
    if (!key && createKey(path))
        key = find(path);
    if (!key)
        return false;
    auto found = findValue(key->values, name);
    if (found != key->values.end())
        found->second = value;
    else
        key->values.emplace_back(name, value);
    return true;
}

bool RegistryTree::deleteValue(std::string_view path, std::string_view name)
{
    Key* key = find(path);
    if (!key)
        return false;
    auto found = findValue(key->values, name);
    if (found == key->values.end())
        return false;
    key->values.erase(found);
    return true;
}

std::vector<std::string> RegistryTree::subKeys(std::string_view path) const
{
    const Key* key = find(path);
    if (!key)
        return {};
    return sortedNames<std::unique_ptr<Key>>(key->children, [](const std::unique_ptr<Key>& child) { return child->name; });
}

std::vector<std::string> RegistryTree::valueNames(std::string_view path) const
{
    const Key* key = find(path);
    if (!key)
        return {};
    return sortedNames<std::pair<std::string, std::string>>(key->values, [](const std::pair<std::string, std::string>& value) { return value.first; });
}

bool RegistryTree::removeChild(std::string_view path, bool onlyWithoutSubKeys)
{
    auto names = splitPath(path);
    if (names.empty())
        return false;
    const std::string_view last = names.back();
    names.pop_back();
    Key* parent = root_.get();
    for (std::string_view name : names)
        if (!(parent = parent->child(name)))
            return false;
    auto found = std::find_if(parent->children.begin(), parent->children.end(),
                              [last](const auto& child) { return Cp1250::equalsIgnoreCase(child->name, last); });
    if (found == parent->children.end() || (onlyWithoutSubKeys && !(*found)->children.empty()))
        return false;
    parent->children.erase(found);
    return true;
}

bool RegistryTree::deleteKey(std::string_view path)
{
    return removeChild(path, true);
}

bool RegistryTree::deleteTree(std::string_view path)
{
    return removeChild(path, false);
}

} // namespace platform
