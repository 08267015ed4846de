#pragma once

#include "foundation/CXString.h"

// The download service the web installation asks for a game's package.
class CDownloadManagerIfc {
public:
    virtual ~CDownloadManagerIfc() = default;
    // Brings the file into the working folder, checking first that the server answers; true when
    // it arrived complete.
    virtual bool download(CXString file, CXString server) = 0;
};
