#include "platform/SystemLocale.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemLocale, LocaleNamesGiveWindowsLanguageNumbers)
{
    const struct {
        const char* name;
        const char* id;
    } cases[] = {
        {"pl_PL.UTF-8", "0415"}, {"cs_CZ", "0405"}, {"bg_BG.UTF-8", "0402"}, {"ro", "0418"},
        {"ru_RU.KOI8-R", "0419"}, {"hu_HU@euro", "040E"}, {"sk_SK.ISO-8859-2", "041B"},
        {"en_GB.UTF-8", "0409"}, {"C", "0409"}, {"C.UTF-8", "0409"}, {"POSIX", "0409"}, {"", "0409"},
        {"xx_YY", ""}, {"PL_pl", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::ProcessLocale::languageIdOf(c.name), c.id) << c.name;
}

TEST(SystemLocale, TestsCanInstallTheirOwn)
{
    struct Czech : platform::SystemLocale {
        std::string languageId() const override { return "0405"; }
    } czech;
    platform::SystemLocale& original = platform::systemLocale();
    platform::setSystemLocale(&czech);
    EXPECT_EQ(platform::systemLocale().languageId(), "0405");
    platform::setSystemLocale(nullptr);
    EXPECT_EQ(&platform::systemLocale(), &original);
}

} // namespace
