#pragma once

#include "foundation/CXString.h"

class CWindow;

// The language of the run: picked from the system locale, it names the sub-folder ("POL",
// "CZE", ...) whose files are taken before the plain ones, and the text that asks for the CD.
// The player makes the one object of the run and hands it to the window host.
class CLanguageOSVer {
public:
    // Language codes that other parts compare against.
    enum {
        POLISH = 1,
        CZECH = 2,
        BULGARIAN = 3,
        ROMANIAN = 4,
        RUSSIAN = 5,
        HUNGARIAN = 6,
        SLOVAK = 7,
        OTHER = 9,
    };

    // Reads the system locale (through the platform).
    CLanguageOSVer();

    int getLang() const { return language_; }
    CXString getLanguageFolder() const { return languageFolder_; }
    void setWindowIfc(CWindow* window) { window_ = window; }

    // Switches to the language of a locale identifier ("0405"; exact, upper-case hexadecimal);
    // an unknown or empty one keeps the language. The window's keyboard follows the change.
    void setLanguageFolder(const CXString& locale);
    // For kind 1 or 2 the text asking for the CD in this language; empty for any other kind.
    CXString getTextLocale(int kind) const;
    // The language variant of a file name: folder\name for a bare name, Dane\POL\x.cnv for
    // Dane\x.cnv when that file exists on disk, else the name itself.
    CXString getLocalFileName(const CXString& name) const;

private:
    // The code of a locale identifier; `fallback` when the table has none.
    static int codeOf(const CXString& locale, int fallback);
    void setLanguage(int code);

    int language_;
    CXString languageFolder_;
    CWindow* window_;
};
