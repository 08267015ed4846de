#pragma once

#include "graphics/CPlayable.h"
#include "graphics/CPlayableObserver.h"
#include "graphics/CPlayableRef.h"
#include "sound/CAnimoLoan.h"

#include <memory>

class CMC_Object;

// A playable that drives an animation which is mostly not its own: an ANIMO object's (lent for
// as long as it is used, so each animation the object loads is the one driven), one a resources
// manager shares, or one it owns. It shows and hides that animation and hears its end while it
// drives it. Main thread only.
class CAnimoDriver : public CPlayable, public CPlayableObserver {
public:
    ~CAnimoDriver() override;

    // Null when there is none (or it was deleted).
    CAnimo* getAnimation() const { return animation_.get(); }
    // The object that lends the animation gives another one, or null once it is done; the loan
    // stays until the driver lets the object go.
    void substAnimation(CAnimo* animation) override;
    // The animation's.
    bool isVisible() const override;
    void setVisibility(bool visible) override;

protected:
    explicit CAnimoDriver(CWindow* window);

    // The ANIMO object's animation, borrowed; false when it has none.
    bool borrowAnimation(CMC_Object* animo);
    // The live scene's ANIMO of that name's animation, borrowed; false when there is none.
    bool borrowAnimation(const CXString& name);
    // An animation shared elsewhere, or with `own` one deleted with the driver.
    void useAnimation(CAnimo* animation, bool own);
    // The animation is no longer heard; an own one is deleted, a loan ends.
    void dropAnimation();

private:
    CPlayableRef<CAnimo> animation_;
    std::unique_ptr<CAnimo> own_;
    CAnimoLoan loan_;
};
