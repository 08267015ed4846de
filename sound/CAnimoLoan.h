#pragma once

#include "foundation/CXString.h"
#include "script/CMC_ObjectRef.h"

class CAnimo;
class CMC_Object;
class CPlayable;
class CWindow;

// The animation of an ANIMO script object lent to a playable that drives it (a speaking
// animation, an animation event of a sequence). While the loan lasts the object hands the
// playable each animation it loads and null once it is done; the loan ends when asked or with the
// playable, and never calls an object that is gone. Main thread only.
class CAnimoLoan {
public:
    explicit CAnimoLoan(CPlayable* borrower) : borrower_(borrower) {}
    ~CAnimoLoan() { end(); }
    CAnimoLoan(const CAnimoLoan&) = delete;
    CAnimoLoan& operator=(const CAnimoLoan&) = delete;

    // The animation of the live scene's ANIMO of that name, lent from now on in place of any
    // earlier loan; null, and no loan, when there is no such object.
    CAnimo* borrow(CWindow* window, const CXString& name);
    // The same for an ANIMO object already found; null without one.
    CAnimo* borrow(CMC_Object* animo);
    void end();

private:
    CPlayable* borrower_;
    CMC_ObjectRef owner_;
};
