#pragma once

#include "application/CPerTurnObject.h"
#include "network/CDownloadListener.h"
#include "script/CMC_Object.h"

#include <atomic>
#include <memory>

class CInternet;

// The INTERNET script object (type 2027): downloads a file over HTTP in the background, tells how
// far it came, and unpacks downloaded packages. SERVER names the server whose answer is checked
// when the object is made (empty: the maker's). The download ends on its worker thread, which
// only marks it; the scene's next turn raises "ONDOWNLOADED" on the main thread, once per
// finished download. Failed downloads raise nothing. It has no stored record.
class CMC_Internet : public CMC_Object, public CDownloadListener, public CPerTurnObject {
public:
    CMC_Internet(CMC_ObjectsContainer* container, CMElement* element);
    // Ends a download still running first.
    ~CMC_Internet() override;

    // "ONINIT", "ONDONE", "ONSIGNAL", "ONCONNECTED" (never raised), "ONDOWNLOADED".
    CXString** getBehavioursList() override;
    // On the worker thread: marks the download finished.
    void onDownloadFinish() override;
    // On the main thread, once per turn: "ONDOWNLOADED" when a download finished since.
    void flushDownloadFinished() override;

    // Fetches "http://" + host + file into file below the working folder; "&equals" and
    // "&slash" in either stand for "=" and "/". An empty file name stores nothing.
    void get(const CXString& host, const CXString& file);
    // Unpacks the package "temp\" + package into the folder; nothing when it does not read.
    void extract(const CXString& package, const CXString& folder);
    // Percent of the running download, 0 while its size is unknown.
    int getProgress() const;
    CInternet* getInternet() const { return download_.get(); }

private:
    std::unique_ptr<CInternet> download_;
    std::atomic<bool> finished_{false};
};
