#pragma once

#include "plugins/world/CWorldLink.h"
#include "plugins/world/CWorldView.h"
#include "script/CMC_Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CGraphicsObject;
class IKorrun;

// The WORLD object: one simulation of bodies, the links that move the scene's pictures after them
// and tell script objects what befalls them, and the view through which the screen looks at the
// world. Made from a definition, which may name a world file (FILENAME) to begin with; a WORLD
// restored from a compiled scene has no simulation, and its methods do nothing.
//
// A link's signals are ONSIGNAL forms raised on its script object by MOVEOBJECTS, in this order:
// "^ATGOAL" or "^NOPATH" as the body's travel ends; "^<id>" for every body it touches, the highest
// id first, then "^ANY", or "^NOCOLL" when it touches none; "^ONSTARTED" when it starts to move,
// "^ONFINISHED" when it comes to rest. Handlers may change the links while a pass goes on: the
// pass reads the list's count afresh at each step, and a link taken out is freed after it.
class CMC_World final : public CMC_Object {
public:
    static constexpr int kTypeId = 10003;
    using SimulationMaker = std::function<std::unique_ptr<IKorrun>()>;

    CMC_World(CMC_ObjectsContainer* container, CMElement* definition);
    // Restored from a compiled scene, after a message box saying so; no simulation.
    explicit CMC_World(CMC_ObjectsContainer* container);
    ~CMC_World() override;

    // "ONINIT", "ONDONE", "ONSIGNAL".
    CXString** getBehavioursList() override;
    CMC_Runner* getRunner() override;

    // Null for a WORLD restored from a compiled scene. The operations below need one.
    IKorrun* getSimulation() const { return simulation_.get(); }
    CWorldView& getView() { return view_; }

    // Advances the simulation, follows the reference body with the view, moves the linked pictures
    // and raises the links' signals. The milliseconds simulated.
    float moveObjects();
    // Adds the calls of a world file; a name that opens nothing changes nothing.
    void load(const CXString& fileName);

    // A new link, also when the body has one already. Either of graphics and object may be null.
    void link(uint32_t body, CGraphicsObject* graphics, CMC_Object* object, int flags);
    // These act on the first link of the body, if any.
    void unlink(uint32_t body);
    // unlink, then the body leaves the simulation (whether it was linked or not).
    void removeObject(uint32_t body);
    // Signals only: the link still moves its picture but tells nothing; otherwise the link rests.
    void pauseLink(uint32_t body, bool signalsOnly);
    void resumeLink(uint32_t body, bool signalsOnly);

    // Who makes the simulation of the WORLDs made after the call; empty for Korrun. For tests.
    static void setSimulationMaker(SimulationMaker maker);

private:
    CWorldLink* firstLinkOf(uint32_t body);
    // Moves and signals for one link; false when a handler destroyed the world.
    bool serve(CWorldLink& link, const CMC_ObjectRef& self);
    void place(CWorldLink& link, float x, float y);
    bool signal(CWorldLink& link, const CMC_ObjectRef& self);
    bool signalContacts(CWorldLink& link, bool touching, const CMC_ObjectRef& self);
    bool signalSpeed(CWorldLink& link, const CMC_ObjectRef& self);
    // Raises the signal on the link's object; false when a handler destroyed the world.
    static bool raise(CWorldLink& link, const CXString& key, const CMC_ObjectRef& self);

    std::unique_ptr<IKorrun> simulation_;
    std::vector<std::unique_ptr<CWorldLink>> links_;
    CWorldView view_;
    // Links taken out while a MOVEOBJECTS pass runs, freed when the outermost pass ends.
    std::vector<std::unique_ptr<CWorldLink>> retired_;
    int passes_ = 0;
};
