#pragma once

#include <string>
#include <vector>

namespace platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

// The registry as the engine uses it: per root, a tree of keys holding string values. Key paths
// are names joined by "\" ("Software\Halvremont\TamzoraWeb"); key and value names compare
// regardless of case. Names and values are code page 1250 bytes.
class Registry {
public:
    virtual ~Registry() = default;

    virtual bool keyExists(RegistryRoot root, const std::string& key) = 0;
    // Creates the key and its missing parents; true when it exists afterwards.
    virtual bool createKey(RegistryRoot root, const std::string& key) = 0;
    // False when the key or the value is missing.
    virtual bool getValue(RegistryRoot root, const std::string& key, const std::string& name, std::string& value) = 0;
    // Creates the key as needed.
    virtual bool setValue(RegistryRoot root, const std::string& key, const std::string& name, const std::string& value) = 0;
    virtual bool deleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;
    // Sorted regardless of case; empty for a missing key.
    virtual std::vector<std::string> subKeys(RegistryRoot root, const std::string& key) = 0;
    virtual std::vector<std::string> valueNames(RegistryRoot root, const std::string& key) = 0;
    // Deletes a key without sub-keys; false when it has some or is missing.
    virtual bool deleteKey(RegistryRoot root, const std::string& key) = 0;
    // Deletes a key with all its sub-keys and values.
    virtual bool deleteTree(RegistryRoot root, const std::string& key) = 0;
};

// The registry of the process.
Registry& registry();
// Installs a registry for the whole process (tests); null restores the user's.
void setRegistry(Registry* replacement);

} // namespace platform
