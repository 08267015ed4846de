#pragma once

#include "foundation/CTimerNotificator.h"
#include "script/CMC_ObjectRef.h"

#include <vector>

class CMC_Object;
class CXTimer;

// Deferred deletion of script objects that end while callers up the stack may still use them
// (timer-driven behaviours hand themselves over when they start). A sweep every 10 s on the
// window's timers deletes the objects marked to delete; the rest wait. Entries are weak: an object
// its container deleted first simply drops out. Main thread only.
class CPublicTrash : public CTimerNotificator {
public:
    static constexpr unsigned sweepPeriodMs = 10000;

    // Registers the sweep on the timer list, which must outlive the trash.
    explicit CPublicTrash(CXTimer* timers);
    // Unregisters the sweep. Objects already marked to delete belong to nobody else and are
    // deleted; the others still belong to their containers and are left to them.
    ~CPublicTrash() override;
    CPublicTrash(const CPublicTrash&) = delete;
    CPublicTrash& operator=(const CPublicTrash&) = delete;

    // The trash takes the object over: it deletes it on the first sweep after it is marked.
    void add(CMC_Object* object);
    // Entries whose object still lives.
    int getSize() const;
    // The sweep.
    void onTimer(int id) override;

private:
    // Deletes the living entries marked to delete and keeps the other living ones.
    void deleteMarked();

    CXTimer* timers_;
    int timerId_;
    std::vector<CMC_ObjectRef> entries_;
};
