#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// One registry root in memory: keys with string values, names compared regardless of case (code
// page 1250) and kept as first spelled. Key paths are names joined by "\"; empty names (doubled,
// leading or trailing "\") are skipped. Keys nest at most kMaxDepth deep, as in Windows.
//
// Text form, one line per key followed by one line per value of that key:
//     [Software\\Halvremont\\TamzoraWeb]
//     "Version"="1.0"
// Inside the brackets and quotes every byte outside printable ASCII, and ']', is written \xHH;
// '\' and '"' are escaped. So any name or value (line breaks, NULs) is one line. Lines that do not parse
// are skipped, and a value before the first key is dropped.
class RegistryTree {
public:
    static constexpr size_t kMaxDepth = 512;

    RegistryTree();
    ~RegistryTree();
    RegistryTree(RegistryTree&&) noexcept;
    RegistryTree& operator=(RegistryTree&&) noexcept;

    static RegistryTree parse(std::string_view text);
    std::string serialize() const;

    bool keyExists(std::string_view path) const;
    // Creates the key and its missing parents; false when the path names no key or is too deep.
    bool createKey(std::string_view path);
    bool getValue(std::string_view path, std::string_view name, std::string& value) const;
    // Creates the key as needed.
    bool setValue(std::string_view path, std::string_view name, std::string_view value);
    bool deleteValue(std::string_view path, std::string_view name);
    // Names of the direct sub-keys / the values of a key, sorted regardless of case.
    std::vector<std::string> subKeys(std::string_view path) const;
    std::vector<std::string> valueNames(std::string_view path) const;
    // Deletes a key that has no sub-keys, as Windows does.
    bool deleteKey(std::string_view path);
    // Deletes a key with everything below it.
    bool deleteTree(std::string_view path);

private:
    struct Key;
    const Key* find(std::string_view path) const;
    Key* find(std::string_view path);
    // The key, made with its missing parents; null when the path names no key or is too deep.
    Key* makeKey(std::string_view path);
    bool removeChild(std::string_view path, bool onlyWithoutSubKeys);

    std::unique_ptr<Key> root_;
};

} // namespace platform
