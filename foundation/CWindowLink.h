#pragma once

#include "foundation/CInstalledLink.h"

#include "foundation/CXString.h"

class CWindow;
class CLanguageOSVer;

// What the path rules read from the window host: the data root (CD path), the engine's root path
// and the language object of a window, and the one thing they tell it (the language changed, so
// the keyboard layout must follow). The window host installs its link when it is made; while none
// is installed the paths are empty and no window has a language.
class CWindowLink : public CInstalledLink<CWindowLink> {
public:
    virtual ~CWindowLink() = default;

    // The data root the game runs from, ending with a backslash; empty until the host sets it.
    virtual CXString getCDPath() const = 0;
    // The folder that was current when the window host was made, ending with a backslash.
    virtual CXString getRootPath() const = 0;
    // The language object the window was made with; null when it has none.
    virtual CLanguageOSVer* getLangIfc(CWindow* window) const = 0;
    virtual void languageChanged(CWindow* window) = 0;

    // The same questions, answered empty / null while no link is installed.
    static CXString cdPath();
    static CXString rootPath();
    static CLanguageOSVer* languageOf(CWindow* window);
    static void notifyLanguageChanged(CWindow* window);
};
