#pragma once

// The script harness with a window behind the scene: one software timer list polled every turn,
// a public trash that the test sweeps, and an application object. Tests of TIMER objects, timer-
// driven behaviours and statements that ask the window use it.

#include "ScriptScene.h"
#include "TestWindowServices.h"

namespace scripttest {

class WindowScene : public ScriptScene {
protected:
    void SetUp() override
    {
        ScriptScene::SetUp();
        CWindowServices::install(&window);
    }

    void TearDown() override
    {
        window.emptyTrash();
        ScriptScene::TearDown();
        CWindowServices::install(nullptr);
    }

    // One engine turn: the clock moves on, the window polls its timers, the application gives the
    // temporaries back.
    virtual void turn(uint32_t ms = 16)
    {
        clock.advance(ms);
        window.timers.domodal();
        CMC_VariableFactory::clearPool();
    }
    void turns(int count, uint32_t ms)
    {
        for (int i = 0; i < count; ++i)
            turn(ms);
    }

    TestWindowServices window;
};

} // namespace scripttest
