#pragma once

#include "script/CMC_Object.h"

#include <memory>

class CPlayable;

// How a script object gives its engine medium up: one use back to the scene's resources manager
// when the medium is shared (the manager deletes it after its last user), or deleted when it is
// the object's own.
//
// A medium must not be deleted while it tells its observers: the release then comes from one of
// its own signals (a handler that loads another file into the object, or deletes the object) and
// the medium's code still runs below. Such a medium, when this release would delete it, is hidden
// and stopped at once and given up later: this holder keeps it in the window's trash until the
// next sweep, or the window's end. A medium the manager deleted meanwhile (its scene ended) is
// left alone then.
class CMediaRelease : public CMC_Object {
public:
    static void release(CPlayable* medium, bool shared);
    ~CMediaRelease() override;

private:
    CMediaRelease(CPlayable* medium, bool shared);
    // Whether giving the medium up now would delete it.
    static bool releaseDeletes(CPlayable* medium, bool shared);
    static void releaseNow(CPlayable* medium, bool shared);

    CPlayable* medium_;
    std::weak_ptr<const void> lifetime_;
    bool shared_;
};
