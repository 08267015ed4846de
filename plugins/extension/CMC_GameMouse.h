#pragma once

#include "plugins/extension/CMC_ExtensionObject.h"

// The GAMEMOUSE object: its GO looks for the scene's MOUSE object and leaves it be.
class CMC_GameMouse final : public CMC_ExtensionObject {
public:
    static constexpr int kTypeId = 10001;

    CMC_GameMouse(CMC_ObjectsContainer* container, CMElement* definition);
    explicit CMC_GameMouse(CMC_ObjectsContainer* container);

    CMC_Runner* getRunner() override;
};
