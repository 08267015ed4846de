#pragma once

#include "objects/CFilterParams.h"

// The parameters every STATICFILTER effect has: CANUNDO (keep the pictures to give them back at
// UNLINK; false at first) and CURRENTFRAME (on an animation, change the frame it shows and follow
// it; true at first), besides ONEATTIME.
class CStaticFilterParams : public CFilterParams {
public:
    void setProperty(const CXString& name, const CXString& value) override;
    bool canUndo() const { return canUndo_; }
    bool currentFrame() const { return currentFrame_; }

private:
    bool canUndo_ = false;
    bool currentFrame_ = true;
};
