#pragma once

#include <string>
#include <string_view>

namespace platform {

// The language the system runs in, as Windows numbers languages: four upper-case hexadecimal
// digits of the language identifier ("0415" Polish, "0405" Czech, "0409" English).
class SystemLocale {
public:
    virtual ~SystemLocale() = default;
    // Empty when the language has no number we know.
    virtual std::string languageId() const = 0;
};

// The process locale of POSIX: the first of LC_ALL, LC_MESSAGES and LANG that is set decides,
// as it does for the messages a program shows.
class ProcessLocale final : public SystemLocale {
public:
    std::string languageId() const override;
    // The identifier of a locale name such as "pl_PL.UTF-8", "cs_CZ", "ru" or "C" (region,
    // encoding and modifier ignored; "C", "POSIX" and an empty name count as English).
    static std::string languageIdOf(std::string_view localeName);
};

// The system locale of the process unless a test installed another.
SystemLocale& systemLocale();
// Installs a locale for the whole process (tests); null restores the process's own.
void setSystemLocale(SystemLocale* replacement);

} // namespace platform
