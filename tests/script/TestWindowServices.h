#pragma once

// The window services a script scene asks of its window, without a window: one software timer
// list the caller polls, a public trash it sweeps, and an application object. Used by the script
// tests and the scene fuzz target.

#include "foundation/CXTimer.h"
#include "script/CMC_Object.h"
#include "script/CMC_ObjectRef.h"
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

} // namespace scripttest
