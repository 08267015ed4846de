#pragma once

#include "foundation/CInstalledLink.h"

// The sound manager as the window's turn drives it: once per active turn, after the animation
// manager, sounds that stopped report their end. The engine host's sound manager installs itself
// while it lives; with none installed the step is skipped.
class CSoundManagerLink : public CInstalledLink<CSoundManagerLink> {
public:
    virtual ~CSoundManagerLink() = default;
    // One turn; always 0.
    virtual int domodal() = 0;
};
