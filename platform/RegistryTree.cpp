#include "platform/RegistryTree.h"

#include "platform/Cp1250.h"
#include "platform/TextTools.h"

#include <algorithm>
#include <unordered_map>

namespace platform {

// Children and values keep the order they were made in (the file's order); the indexes find them by
// their lower-cased names, so a file of many keys parses in linear time.
struct RegistryTree::Key {
    using Value = std::pair<std::string, std::string>;

    std::string name;
    std::vector<Value> values;
    std::vector<std::unique_ptr<Key>> children;
    std::unordered_map<std::string, size_t> valueIndex;
    std::unordered_map<std::string, size_t> childIndex;

    static size_t find(const std::unordered_map<std::string, size_t>& index, std::string_view name)
    {
        auto found = index.find(Cp1250::toLower(name));
        return found == index.end() ? std::string::npos : found->second;
    }

    Key* child(std::string_view childName) const
    {
        size_t at = find(childIndex, childName);
        return at == std::string::npos ? nullptr : children[at].get();
    }

    Key* addChild(std::string_view childName)
    {
        childIndex.emplace(Cp1250::toLower(childName), children.size());
        children.push_back(std::make_unique<Key>());
        children.back()->name = childName;
        return children.back().get();
    }

    const Value* value(std::string_view valueName) const
    {
        size_t at = find(valueIndex, valueName);
        return at == std::string::npos ? nullptr : &values[at];
    }

    void setValue(std::string_view valueName, std::string_view text)
    {
        size_t at = find(valueIndex, valueName);
        if (at != std::string::npos) {
            values[at].second = text;
            return;
        }
        valueIndex.emplace(Cp1250::toLower(valueName), values.size());
        values.emplace_back(valueName, text);
    }

    bool eraseValue(std::string_view valueName)
    {
        size_t at = find(valueIndex, valueName);
        if (at == std::string::npos)
            return false;
        values.erase(values.begin() + static_cast<std::ptrdiff_t>(at));
        reindex(values, valueIndex, [](const Value& item) -> const std::string& { return item.first; });
        return true;
    }

    bool eraseChild(std::string_view childName, bool onlyWithoutSubKeys)
    {
        size_t at = find(childIndex, childName);
        if (at == std::string::npos || (onlyWithoutSubKeys && !children[at]->children.empty()))
            return false;
        children.erase(children.begin() + static_cast<std::ptrdiff_t>(at));
        reindex(children, childIndex, [](const std::unique_ptr<Key>& item) -> const std::string& { return item->name; });
        return true;
    }

    // Removing shifts the later entries: their positions are indexed anew.
    template <class Items, class NameOf>
    static void reindex(const Items& items, std::unordered_map<std::string, size_t>& index, NameOf nameOf)
    {
        index.clear();
        for (size_t i = 0; i < items.size(); ++i)
            index.emplace(Cp1250::toLower(nameOf(items[i])), i);
    }
};

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
    Key* current = nullptr;
    std::string name;
    std::string value;
    for (std::string_view line : TextTools::lines(text)) {
        if (line.starts_with('[')) {
            current = nullptr;
            if (parseKeyLine(line, currentPath))
                current = splitPath(currentPath).empty() ? tree.root_.get() : tree.makeKey(currentPath);
        } else if (current != nullptr && line.starts_with('"') && parseValueLine(line, name, value)) {
            current->setValue(name, value);
        }
    }
    return tree;
}

std::string RegistryTree::serialize() const
{
    std::string out;
    auto write = [&out](const Key& key, const std::string& path, auto& self) -> void {
        if (!path.empty() || !key.values.empty())
            out.append("[").append(escape(path)).append("]\n");
        for (const auto& [name, value] : key.values)
            out.append("\"").append(escape(name)).append("\"=\"").append(escape(value)).append("\"\n");
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

RegistryTree::Key* RegistryTree::makeKey(std::string_view path)
{
    const auto names = splitPath(path);
    if (names.empty() || names.size() > kMaxDepth)
        return nullptr;
    Key* key = root_.get();
    for (std::string_view name : names) {
        Key* next = key->child(name);
        key = next != nullptr ? next : key->addChild(name);
    }
    return key;
}

bool RegistryTree::createKey(std::string_view path)
{
    return makeKey(path) != nullptr;
}

bool RegistryTree::getValue(std::string_view path, std::string_view name, std::string& value) const
{
    const Key* key = find(path);
    const Key::Value* found = key != nullptr ? key->value(name) : nullptr;
    if (found == nullptr)
        return false;
    value = found->second;
    return true;
}

bool RegistryTree::setValue(std::string_view path, std::string_view name, std::string_view value)
{
    Key* key = find(path);
    if (!key)
        key = makeKey(path);
    if (!key)
        return false;
    key->setValue(name, value);
    return true;
}

bool RegistryTree::deleteValue(std::string_view path, std::string_view name)
{
    Key* key = find(path);
    return key != nullptr && key->eraseValue(name);
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
    return parent->eraseChild(last, onlyWithoutSubKeys);
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
