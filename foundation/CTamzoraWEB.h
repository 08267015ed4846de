#pragma once

#include "foundation/CXString.h"
#include "platform/Registry.h"

// The per-user records of the engine and of the games installed from the web: string values
// under registry keys such as "Software\Halvremont\TamzoraWeb".
class CTamzoraWEB {
public:
    // The value's text; empty when the key or the value is missing, or the value is longer than
    // 199 bytes.
    static CXString get_registry(platform::RegistryRoot root, const CXString& key, const CXString& name);
    // Creates the key as needed and sets the value; true when it was set.
    static bool set_registry(platform::RegistryRoot root, const CXString& key, const CXString& name, const CXString& value);
    // Deletes the value; nothing when the key or the value is missing.
    static void delete_registry(platform::RegistryRoot root, const CXString& key, const CXString& name);
    // Replaces a value that holds text, creates one that does not; the result of the setting.
    static bool update_registry(platform::RegistryRoot root, const CXString& key, const CXString& name, const CXString& value);
};
