#pragma once

#include "objects/CMC_ActionFilter.h"

#include <memory>

class CStaticFilterEffect;

// The STATICFILTER script object (type 2015): one pixel effect, named by ACTION (COLORCHANNEL,
// GRAYSCALE, BLUR, ROTATE, SCALE, NEGATIVE, RANDOMJITTER, WAVES), that changes the pictures of
// its scene linked to it once, at LINK, and with CANUNDO gives them back at UNLINK and when the
// object is done or deleted. Without a known ACTION it has no effect and its methods do nothing.
// It raises nothing of its own.
class CMC_StaticFilter : public CMC_ActionFilter {
public:
    // Empty, named "temp", to be restored from the scene archive or made by CREATE.
    explicit CMC_StaticFilter(CMC_ObjectsContainer* container);
    // From a definition: ACTION, then the behaviours.
    CMC_StaticFilter(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_StaticFilter() override;

    // "Filter".
    CXString toString() const override;
    // Every link goes, its pictures given back when they were kept; then ONDONE when bound.
    bool done(bool wholeContainer) override;
    CXString** getBehavioursList() override;

    // Null without a known ACTION.
    CStaticFilterEffect* getEffect() const { return effect_.get(); }

protected:
    // The pictures of the effect before are given back first.
    void makeEffect() override;

private:
    void removeAllLinks();

    std::unique_ptr<CStaticFilterEffect> effect_;
};
