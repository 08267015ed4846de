#pragma once

// The script harness with a window behind the scene: one software timer list polled every turn,
// a public trash that the test sweeps, and an application object. Tests of TIMER objects, timer-
// driven behaviours and statements that ask the window use it.

#include "ScriptScene.h"
#include "foundation/CXTimer.h"
#include "script/CWindowServices.h"

#include <vector>

namespace scripttest {

class TestWindowServices : public CWindowServices {
public:
    ~TestWindowServices() override { emptyTrash(); }

    CXTimer* getTimerInterface(CWindow*) override { return &timers; }
    bool addToPublicTrash(CWindow*, CMC_Object* object) override
    {
        trash.emplace_back(object);
        return true;
    }
    CMC_Object* getApplicationObject(CWindow*) override { return application; }

    // What the window's periodic sweep does: deletes the entries marked to delete and drops those
    // that died elsewhere.
    void sweep()
    {
        std::vector<CMC_ObjectRef> kept;
        std::vector<CMC_ObjectRef> going;
        for (const CMC_ObjectRef& entry : trash) {
            if (entry.isAlive())
                (entry.get()->isToDelete() ? going : kept).push_back(entry);
        }
        trash = kept;
        for (const CMC_ObjectRef& entry : going)
            CMC_Object::destroy(entry.get());
    }
    void emptyTrash()
    {
        std::vector<CMC_ObjectRef> all;
        all.swap(trash);
        for (const CMC_ObjectRef& entry : all)
            CMC_Object::destroy(entry.get());
    }
    int trashSize() const { return static_cast<int>(trash.size()); }

    CXTimer timers;
    std::vector<CMC_ObjectRef> trash;
    CMC_Object* application = nullptr;
};

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
