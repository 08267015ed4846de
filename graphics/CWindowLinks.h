#pragma once

#include "foundation/CLogSink.h"
#include "foundation/CWindowLink.h"
#include "script/CWindowServices.h"

// The window host's side of the links that foundation and script code use to reach it: paths and
// language, timers, trash and application, and the log. Made and installed by the window while
// it lives; each question is put to the window it names.
class CWindowLinks : public CWindowLink, public CWindowServices, public CLogSink {
public:
    CWindowLinks();
    // Uninstalls what is still installed as this one's.
    ~CWindowLinks() override;
    CWindowLinks(const CWindowLinks&) = delete;
    CWindowLinks& operator=(const CWindowLinks&) = delete;

    CXString getCDPath() const override;
    CXString getRootPath() const override;
    CLanguageOSVer* getLangIfc(CWindow* window) const override;
    void languageChanged(CWindow* window) override;

    CXTimer* getTimerInterface(CWindow* window) override;
    bool addToPublicTrash(CWindow* window, CMC_Object* object) override;
    CMC_Object* getApplicationObject(CWindow* window) override;

    void toLog(const CXString& text, bool flag) override;
};
