#pragma once

#include "foundation/CXString.h"

// Told how a download ended, on the download's worker thread (see CInternet).
class CDownloadListener {
public:
    virtual ~CDownloadListener() = default;
    // The file is complete on disk.
    virtual void onDownloadFinish() {}
    // The download failed; the message is one of CInternet's texts.
    virtual void onError(CXString message) {}
};
