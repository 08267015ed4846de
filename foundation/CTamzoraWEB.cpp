#include "foundation/CTamzoraWEB.h"

namespace {

// Values are read into a buffer of 200 bytes with room for the terminating zero.
constexpr size_t kLongestValue = 199;

} // namespace

CXString CTamzoraWEB::get_registry(platform::RegistryRoot root, const CXString& key, const CXString& name)
{
    std::string value;
    if (!platform::registry().getValue(root, key.c_str(), name.c_str(), value) || value.size() > kLongestValue)
        return CXString();
    return CXString(value.c_str());
}

bool CTamzoraWEB::set_registry(platform::RegistryRoot root, const CXString& key, const CXString& name, const CXString& value)
{
    return platform::registry().setValue(root, key.c_str(), name.c_str(), value.c_str());
}

void CTamzoraWEB::delete_registry(platform::RegistryRoot root, const CXString& key, const CXString& name)
{
    platform::registry().deleteValue(root, key.c_str(), name.c_str());
}

bool CTamzoraWEB::update_registry(platform::RegistryRoot root, const CXString& key, const CXString& name, const CXString& value)
{
    if (get_registry(root, key, name).IsString())
        delete_registry(root, key, name);
    return set_registry(root, key, name, value);
}
