#pragma once

#include "plugins/extension/CMC_ExtensionObject.h"

// The KULKI object: places a ball, an animation named in the call, at a target kept out of the
// scene's "IN" and "OUT" pictures, and tells whether it touched one of the "KULA" grid (its
// runner does it all).
class CMC_Kulki final : public CMC_ExtensionObject {
public:
    static constexpr int kTypeId = 10000;

    CMC_Kulki(CMC_ObjectsContainer* container, CMElement* definition);
    explicit CMC_Kulki(CMC_ObjectsContainer* container);

    CMC_Runner* getRunner() override;
};
