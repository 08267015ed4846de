#include "foundation/CConfig.h"

#include "platform/ProfileIni.h"

#include <string>

namespace {
std::string bytes(const CXString& text)
{
    return std::string(text.c_str(), static_cast<size_t>(text.getLength()));
}
} // namespace

CConfig::CConfig() = default;

CConfig::CConfig(const CXString& fileName) : fileName_(fileName)
{
}

int CConfig::GetInt(const CXString& section, const CXString& key) const
{
    return platform::profileIni().getInt(bytes(fileName_), bytes(section), bytes(key), 0);
}

CXString CConfig::GetString(const CXString& section, const CXString& key) const
{
    const std::string value = platform::profileIni().getString(bytes(fileName_), bytes(section), bytes(key), "");
    return CXString(value.c_str());
}

void CConfig::PutInt(const CXString& section, const CXString& key, int value) const
{
    PutString(section, key, CXString::toString(value));
}

void CConfig::PutString(const CXString& section, const CXString& key, const CXString& value) const
{
    platform::profileIni().writeString(bytes(fileName_), bytes(section), bytes(key), bytes(value));
}
