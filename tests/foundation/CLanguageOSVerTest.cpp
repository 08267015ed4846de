#include "foundation/CLanguageOSVer.h"

#include "GameTree.h"

namespace {

using CLanguageOSVerTest = GameTree;

TEST_F(CLanguageOSVerTest, SystemLocalePicksCodeFolderAndCdText)
{
    const struct {
        const char* locale;
        int code;
        const char* folder;
        const char* cdText;
    } cases[] = {
        {"0415", 1, "POL", "Brak p\xB3yty CD."},
        {"0405", 2, "CZE", "Vlo\x9Eit CD."},
        {"0402", 3, "BUL", "CD not found.<<"},
        {"0418", 4, "ROM", "CD not found.<<"},
        {"0419", 5, "RUS", "CD not found.<<"},
        {"040e", 6, "HUN", "K\xE9rem helyezze be a meghajt\xF3" "ba a CD-t!"},
        {"041B", 7, "SLO", "Vlo\x9Ei\x9D disk!"},
        {"0409", 9, "", "CD not found.<<"},
        {"", 9, "", "CD not found.<<"},
    };
    for (const auto& c : cases) {
        FixedLocale locale(c.locale);
        platform::setSystemLocale(&locale);
        const CLanguageOSVer language;
        EXPECT_EQ(language.getLang(), c.code) << c.locale;
        EXPECT_EQ(language.getLanguageFolder(), c.folder) << c.locale;
        EXPECT_EQ(language.getTextLocale(1), c.cdText) << c.locale;
        EXPECT_EQ(language.getTextLocale(2), c.cdText) << c.locale;
        EXPECT_EQ(language.getTextLocale(3), "") << c.locale;
        EXPECT_EQ(language.getTextLocale(0), "") << c.locale;
        platform::setSystemLocale(nullptr);
    }
}

TEST_F(CLanguageOSVerTest, SetLanguageFolderTakesOnlyExactIdentifiersAndTellsTheWindow)
{
    CLanguageOSVer language;
    language.setLanguageFolder("0405");
    EXPECT_EQ(language.getLang(), CLanguageOSVer::CZECH);
    EXPECT_EQ(language.getLanguageFolder(), "CZE");
    EXPECT_EQ(link.changes, 0); // no window recorded yet

    language.setWindowIfc(window);
    for (const char* unknown : {"0409", "0405 ", "", "040e"}) {
        language.setLanguageFolder("041B");
        language.setLanguageFolder(unknown);
        EXPECT_EQ(language.getLang(), CLanguageOSVer::SLOVAK) << unknown;
        EXPECT_EQ(language.getLanguageFolder(), "SLO") << unknown;
    }
    EXPECT_EQ(link.changes, 8);

    CLanguageOSVer copy(language);
    EXPECT_EQ(copy.getLanguageFolder(), "SLO");
    copy.setLanguageFolder("0415");
    EXPECT_EQ(link.changes, 9);
}

TEST_F(CLanguageOSVerTest, LocalFileNamesUseTheLanguageFolder)
{
    EXPECT_EQ(language->getLocalFileName("scene.cnv"), "POL\\scene.cnv");
    EXPECT_EQ(language->getLocalFileName("Dane\\scene.cnv"), "Dane\\scene.cnv");
    put("hdd/Game/Dane/pol/scene.cnv");
    EXPECT_EQ(language->getLocalFileName("Dane\\scene.cnv"), "Dane\\POL\\scene.cnv");
    EXPECT_EQ(language->getLocalFileName("C:\\Game\\Dane\\scene.cnv"), "C:\\Game\\Dane\\POL\\scene.cnv");

    FixedLocale english("0409");
    platform::setSystemLocale(&english);
    const CLanguageOSVer other;
    for (const char* name : {"scene.cnv", "Dane\\scene.cnv", ""})
        EXPECT_EQ(other.getLocalFileName(name), name);
}

} // namespace
