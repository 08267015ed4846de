#pragma once

// The real behaviours over a generated game folder: drive T:, which is also the data root, so
// "$name" in a script is T:\name.

#include "BehaviourScene.h"
#include "FileScene.h"

namespace scripttest {

class BehaviourFileScene : public BehaviourScene {
protected:
    void SetUp() override
    {
        BehaviourScene::SetUp();
        CWindowLink::install(&link);
    }
    void TearDown() override
    {
        BehaviourScene::TearDown();
        CWindowLink::install(nullptr);
    }

    GameFolder folder;
    GameFolderLink link;
};

} // namespace scripttest
