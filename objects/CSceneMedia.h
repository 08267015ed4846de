#pragma once

#include "sound/CSceneMediaLink.h"

class CMC_Animo;
class CMC_Scene;

// The live scene's ANIMO and SOUND objects as sequences and speaking animations ask for them by
// name. An object found is taken as an animation or a sound only when its type says it is one.
// Installed by the registration of the script object types, for the whole run.
class CSceneMedia : public CSceneMediaLink {
public:
    CMC_Object* findAnimo(CWindow* window, const CXString& name) override;
    CAnimo* getAnimo(CMC_Object* animo) override;
    void addSeq(CMC_Object* animo, CPlayable* playable) override;
    void removeSeq(CMC_Object* animo, CPlayable* playable) override;
    CSound4* findSound(CWindow* window, const CXString& name) override;

    // The scene the window's game shows: the application's live scene, or the live scene of its
    // live episode. Null without a game.
    static CMC_Scene* liveScene(CWindow* window);

private:
    static CMC_Animo* asAnimo(CMC_Object* object);
    static CMC_Object* findOfType(CWindow* window, const CXString& name, int type);
};
