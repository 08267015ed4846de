#pragma once

#include "platform/Registry.h"
#include "platform/RegistryTree.h"

#include <functional>
#include <mutex>

namespace platform {

// The registry kept in text files, one per root, in a folder (the user's config folder for the
// process): "registry-current-user.txt" and "registry-local-machine.txt" (RegistryTree's text form).
// Every call reads the file afresh, so other processes' changes are seen (the parsed tree is kept
// while the bytes stay the same); every change rewrites it atomically, so a crash mid-write loses
// nothing, under an update lock, so that writers in other processes or objects lose nothing
// either. The folder is made on the first change.
class FileRegistry final : public Registry {
public:
    explicit FileRegistry(std::string folder);

    bool keyExists(RegistryRoot root, const std::string& key) override;
    bool createKey(RegistryRoot root, const std::string& key) override;
    bool getValue(RegistryRoot root, const std::string& key, const std::string& name, std::string& value) override;
    bool setValue(RegistryRoot root, const std::string& key, const std::string& name, const std::string& value) override;
    bool deleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;
    std::vector<std::string> subKeys(RegistryRoot root, const std::string& key) override;
    std::vector<std::string> valueNames(RegistryRoot root, const std::string& key) override;
    bool deleteKey(RegistryRoot root, const std::string& key) override;
    bool deleteTree(RegistryRoot root, const std::string& key) override;

    std::string fileOf(RegistryRoot root) const;

private:
    template <class Result>
    Result read(RegistryRoot root, const std::function<Result(const RegistryTree&)>& query);
    // Applies a change and saves it when it reports success; false when either fails.
    bool change(RegistryRoot root, const std::function<bool(RegistryTree&)>& edit);
    // The root's tree as the file now holds it.
    RegistryTree& load(RegistryRoot root);

    struct Parsed {
        bool valid = false;
        std::string text;
        RegistryTree tree;
    };

    Parsed& parsedOf(RegistryRoot root);

    std::string folder_;
    std::mutex mutex_;
    Parsed parsed_[2];
};

} // namespace platform
