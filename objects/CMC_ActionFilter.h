#pragma once

#include "script/CMC_Object.h"

// What FILTER and STATICFILTER share: ACTION, the word that names their effect, made anew
// whenever the object reads it, and their stored record after the common part, which is ACTION
// alone (parameters and links are not kept).
class CMC_ActionFilter : public CMC_Object {
public:
    void serialize(CXArchive* archive) override;
    const CXString& getAction() const { return action_; }

protected:
    // Empty, named "temp", to be restored from the scene archive or made by CREATE.
    CMC_ActionFilter(CMC_ObjectsContainer* container, int type);
    // ACTION read from the definition; the derived constructor makes the effect.
    CMC_ActionFilter(CMC_ObjectsContainer* container, CMElement* element, int type);

    // The effect of ACTION in place of the one the object had.
    virtual void makeEffect() = 0;

private:
    CXString action_;
};
