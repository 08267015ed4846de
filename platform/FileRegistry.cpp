#include "platform/FileRegistry.h"

#include "platform/AtomicFile.h"
#include "platform/ConfigFolder.h"
#include "platform/UpdateLock.h"

namespace platform {

FileRegistry::FileRegistry(std::string folder) : folder_(std::move(folder)) {}

std::string FileRegistry::fileOf(RegistryRoot root) const
{
    return folder_ + (root == RegistryRoot::CurrentUser ? "/registry-current-user.txt" : "/registry-local-machine.txt");
}

FileRegistry::Parsed& FileRegistry::parsedOf(RegistryRoot root)
{
    return parsed_[root == RegistryRoot::CurrentUser ? 0 : 1];
}

RegistryTree& FileRegistry::load(RegistryRoot root)
{
    Parsed& parsed = parsedOf(root);
    std::string text;
    AtomicFile::readAll(fileOf(root), text);
    if (!parsed.valid || text != parsed.text) {
        parsed.tree = RegistryTree::parse(text);
        parsed.text = std::move(text);
        parsed.valid = true;
    }
    return parsed.tree;
}

template <class Result>
Result FileRegistry::read(RegistryRoot root, const std::function<Result(const RegistryTree&)>& query)
{
    std::lock_guard lock(mutex_);
    return query(load(root));
}

bool FileRegistry::change(RegistryRoot root, const std::function<bool(RegistryTree&)>& edit)
{
    std::lock_guard lock(mutex_);
    if (!ConfigFolder::ensureExists(folder_))
        return false;
    UpdateLock update(folder_);
    RegistryTree& tree = load(root);
    Parsed& parsed = parsedOf(root);
    // The edit may have changed the tree even when it failed: the next call parses the file anew.
    parsed.valid = false;
    if (!edit(tree))
        return false;
    std::string text = tree.serialize();
    if (!AtomicFile::replace(fileOf(root), text))
        return false;
    parsed.text = std::move(text);
    parsed.valid = true;
    return true;
}

bool FileRegistry::keyExists(RegistryRoot root, const std::string& key)
{
    return read<bool>(root, [&](const RegistryTree& tree) { return tree.keyExists(key); });
}

bool FileRegistry::createKey(RegistryRoot root, const std::string& key)
{
    return change(root, [&](RegistryTree& tree) { return tree.createKey(key); });
}

bool FileRegistry::getValue(RegistryRoot root, const std::string& key, const std::string& name, std::string& value)
{
    return read<bool>(root, [&](const RegistryTree& tree) { return tree.getValue(key, name, value); });
}

bool FileRegistry::setValue(RegistryRoot root, const std::string& key, const std::string& name, const std::string& value)
{
    return change(root, [&](RegistryTree& tree) { return tree.setValue(key, name, value); });
}

bool FileRegistry::deleteValue(RegistryRoot root, const std::string& key, const std::string& name)
{
    return change(root, [&](RegistryTree& tree) { return tree.deleteValue(key, name); });
}

std::vector<std::string> FileRegistry::subKeys(RegistryRoot root, const std::string& key)
{
    return read<std::vector<std::string>>(root, [&](const RegistryTree& tree) { return tree.subKeys(key); });
}

std::vector<std::string> FileRegistry::valueNames(RegistryRoot root, const std::string& key)
{
    return read<std::vector<std::string>>(root, [&](const RegistryTree& tree) { return tree.valueNames(key); });
}

bool FileRegistry::deleteKey(RegistryRoot root, const std::string& key)
{
    return change(root, [&](RegistryTree& tree) { return tree.deleteKey(key); });
}

bool FileRegistry::deleteTree(RegistryRoot root, const std::string& key)
{
    return change(root, [&](RegistryTree& tree) { return tree.deleteTree(key); });
}

} // namespace platform
