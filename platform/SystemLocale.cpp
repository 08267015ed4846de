#include "platform/SystemLocale.h"

#include "platform/ServiceSlot.h"

#include <cstdlib>

namespace platform {

namespace {

struct LanguageNumber {
    const char* code; // ISO 639-1
    const char* id;   // the Windows identifier of the language's main country
};

constexpr LanguageNumber languageNumbers[] = {
    {"ar", "0401"}, {"bg", "0402"}, {"ca", "0403"}, {"cs", "0405"}, {"da", "0406"}, {"de", "0407"},
    {"el", "0408"}, {"en", "0409"}, {"es", "0C0A"}, {"fi", "040B"}, {"fr", "040C"}, {"he", "040D"},
    {"hu", "040E"}, {"it", "0410"}, {"ja", "0411"}, {"ko", "0412"}, {"nl", "0413"}, {"nb", "0414"},
    {"no", "0414"}, {"pl", "0415"}, {"pt", "0416"}, {"ro", "0418"}, {"ru", "0419"}, {"hr", "041A"},
    {"sk", "041B"}, {"sv", "041D"}, {"tr", "041F"}, {"uk", "0422"}, {"sl", "0424"}, {"et", "0425"},
    {"lv", "0426"}, {"lt", "0427"},
};

std::string_view environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

SystemLocale& processLocale()
{
    static ProcessLocale instance;
    return instance;
}

constinit ServiceSlot<SystemLocale> slot(processLocale);

} // namespace

std::string ProcessLocale::languageIdOf(std::string_view localeName)
{
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
    if (language.empty() || language == "C" || language == "POSIX")
        return "0409";
    for (const LanguageNumber& number : languageNumbers)
        if (language == number.code)
            return number.id;
    return std::string();
}

std::string ProcessLocale::languageId() const
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string_view value = environment(name);
        if (!value.empty())
            return languageIdOf(value);
    }
    return languageIdOf("");
}

SystemLocale& systemLocale()
{
    return slot.get();
}

void setSystemLocale(SystemLocale* replacement)
{
    slot.set(replacement);
}

} // namespace platform
