#include "foundation/CLanguageOSVer.h"

#include "foundation/CWindowLink.h"
#include "platform/Files.h"
#include "platform/SystemLocale.h"

namespace {

struct LanguageRow {
    const char* locale;
    int code;
    const char* folder;
    const char* cdText; // code page 1250
};

constexpr const char* otherCdText = "CD not found.<<";

// In the order the system locale is compared with them.
constexpr LanguageRow languageTable[] = {
    {"0405", CLanguageOSVer::CZECH, "CZE", "Vlo\x9Eit CD."},
    {"0402", CLanguageOSVer::BULGARIAN, "BUL", otherCdText},
    {"0418", CLanguageOSVer::ROMANIAN, "ROM", otherCdText},
    {"0419", CLanguageOSVer::RUSSIAN, "RUS", otherCdText},
    {"040E", CLanguageOSVer::HUNGARIAN, "HUN", "K\xE9rem helyezze be a meghajt\xF3" "ba a CD-t!"},
    {"041B", CLanguageOSVer::SLOVAK, "SLO", "Vlo\x9Ei\x9D disk!"},
    {"0415", CLanguageOSVer::POLISH, "POL", "Brak p\xB3yty CD."},
};

const LanguageRow* rowOf(int code)
{
    for (const LanguageRow& row : languageTable)
        if (row.code == code)
            return &row;
    return nullptr;
}

} // namespace

CLanguageOSVer::CLanguageOSVer() : language_(OTHER), window_(nullptr)
{
    CXString locale(platform::systemLocale().languageId().c_str());
    setLanguage(codeOf(locale.Upper(), OTHER));
}

int CLanguageOSVer::codeOf(const CXString& locale, int fallback)
{
    for (const LanguageRow& row : languageTable)
        if (locale == row.locale)
            return row.code;
    return fallback;
}

void CLanguageOSVer::setLanguage(int code)
{
    language_ = code;
    const LanguageRow* row = rowOf(code);
    languageFolder_ = row ? row->folder : "";
}

void CLanguageOSVer::setLanguageFolder(const CXString& locale)
{
    setLanguage(codeOf(locale, language_));
    CWindowLink::notifyLanguageChanged(window_);
}

CXString CLanguageOSVer::getTextLocale(int kind) const
{
    if (kind != 1 && kind != 2)
        return CXString();
    const LanguageRow* row = rowOf(language_);
    return row ? row->cdText : otherCdText;
}

CXString CLanguageOSVer::getLocalFileName(const CXString& name) const
{
    if (!languageFolder_.IsString())
        return name;
    const int lastSeparator = name.FindLast('\\');
    if (lastSeparator < 0)
        return languageFolder_ + "\\" + name;
    // Dane\scene.cnv -> Dane\POL\scene.cnv, only when that file is there.
    const CXString candidate = name.Left(lastSeparator + 1) + languageFolder_ + name.Right(lastSeparator);
    return platform::files().fileExists(candidate.c_str()) ? candidate : name;
}
