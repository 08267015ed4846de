#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The private-profile (INI file) functions with Windows' behaviour. The file is a game path
// (Files); a name without any folder lives in the user's config folder, as Windows keeps such
// files in its own folder. Nothing is cached: every call reads the file, every write replaces it
// atomically. Section, key and value are code page 1250 bytes.
class ProfileIni {
public:
    // A value is cut to this many bytes, as by the 10240-byte buffer the engine reads into.
    static constexpr size_t kMaxValueLength = 10239;

    virtual ~ProfileIni() = default;

    // The trimmed value, or defaultValue (trailing blanks removed) when the file, section or key is
    // missing.
    virtual std::string getString(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& defaultValue) = 0;
    // The value's leading decimal number ("12abc" gives 12, "abc" 0, wrapping at 32 bits);
    // defaultValue when the key is missing or empty.
    virtual int getInt(const std::string& file, const std::string& section, const std::string& key, int defaultValue) = 0;
    // Creates the file and the section as needed. Refuses (false, nothing written) a line break in
    // any argument, a ']' in the section, and a key holding '=' or starting with '[' or ';': each
    // would write a line that reads back as something else.
    virtual bool writeString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // What Windows does for a null value and for a null key.
    virtual bool deleteKey(const std::string& file, const std::string& section, const std::string& key) = 0;
    virtual bool deleteSection(const std::string& file, const std::string& section) = 0;
};

// The INI functions of the process.
ProfileIni& profileIni();
// Installs INI functions for the whole process (tests); null restores the real ones.
void setProfileIni(ProfileIni* replacement);

} // namespace platform
