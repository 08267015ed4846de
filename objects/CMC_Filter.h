#pragma once

#include "objects/CFilterObserver.h"
#include "objects/CMC_ActionFilter.h"

#include <memory>

class CFilterEffect;
class CSignalList;

// The FILTER script object (type 2014): one timed effect, named by ACTION (FADEIN, FADEOUT,
// FADEINOUT, PATH, WATER, WAVING), applied to any pictures of its scene linked to it, started and
// stopped per picture. Without a known ACTION it has no effect and its methods do nothing.
//
// It raises, for the linked object named N, "ONSTARTED^N" (else "ONSTARTED") when the effect
// starts on it, "ONFINISHED^N" (else "ONFINISHED") after every step that does not finish, and
// "ONTICK^N" (else "ONTICK") once when the effect ends or is stopped: scripts rely on these names.
class CMC_Filter : public CMC_ActionFilter, public CFilterObserver {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED", "ONTICK".
    static const CSignalList& signalList();

    // Empty, named "temp", to be restored from the scene archive or made by CREATE.
    explicit CMC_Filter(CMC_ObjectsContainer* container);
    // From a definition: ACTION, then the behaviours.
    CMC_Filter(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Filter() override;

    CXString** getBehavioursList() override;

    // Null without a known ACTION.
    CFilterEffect* getEffect() const { return effect_.get(); }

    void onEffectStarted(CFilterLink& link, CFilterEffect& effect) override;
    void onEffectStepped(CFilterLink& link, CFilterEffect& effect) override;
    void onEffectStopped(CFilterLink& link, CFilterEffect& effect) override;

protected:
    void makeEffect() override;

private:
    void raise(const char* signal, CFilterLink& link);

    std::unique_ptr<CFilterEffect> effect_;
};
