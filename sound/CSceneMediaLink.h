#pragma once

#include "foundation/CInstalledLink.h"
#include "foundation/CXString.h"

class CAnimo;
class CMC_Object;
class CPlayable;
class CSound4;
class CWindow;

// What sequences and speaking animations take from the live scene of the window's game: the
// animation of an ANIMO object and the sound of a SOUND object, found by the object's name. The
// script-object layer installs it; while none is installed no name finds an object.
class CSceneMediaLink : public CInstalledLink<CSceneMediaLink> {
public:
    virtual ~CSceneMediaLink() = default;

    // The live scene's object of that name when it is an ANIMO that has an animation; null
    // otherwise.
    virtual CMC_Object* findAnimo(CWindow* window, const CXString& name) = 0;
    // The animation the ANIMO object shows now; null when it has none or is no ANIMO.
    virtual CAnimo* getAnimo(CMC_Object* animo) = 0;
    // The playable borrows the object's animation: it is given each animation the object loads
    // later (substAnimation), and null when the object is done. Held once.
    virtual void addSeq(CMC_Object* animo, CPlayable* playable) = 0;
    virtual void removeSeq(CMC_Object* animo, CPlayable* playable) = 0;
    // The sound of the live scene's object of that name when it is a SOUND; null otherwise.
    virtual CSound4* findSound(CWindow* window, const CXString& name) = 0;
};
