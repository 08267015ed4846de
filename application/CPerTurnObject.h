#pragma once

// A script object that a scene calls once per application turn (an INTERNET object, which
// reports its finished downloads then, on the main thread). Its type implements this beside its
// script object base.
class CPerTurnObject {
public:
    virtual ~CPerTurnObject() = default;
    // Raises the signal of a download that finished since the last turn, if one did.
    virtual void flushDownloadFinished() = 0;
};
