#pragma once

#include "plugins/extension/CMC_ExtensionRunner.h"

// The runner of GAMEMOUSE: GO looks the scene's "MOUSE" up and does nothing with it.
class CMC_GameMouse_Runner final : public CMC_ExtensionRunner {
public:
    enum Method { SHOW = 1, GO = 2, EMPTY = 3 };

    CMC_GameMouse_Runner() : CMC_ExtensionRunner(4) {}
    void prepareMthHashSet() override;

private:
    CMC_Variable* go(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
};
