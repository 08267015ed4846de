// Scene definition text from hostile bytes, loaded as a scene loads its script: parsed into
// elements, made into objects in the six passes, every object initialised, every BEHAVIOUR run
// once, one turn on the manual clock (the window's timers polled, the trashes swept, the
// temporaries given back), then the unload. Whatever the text, everything made is deleted.
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CTextFileReader.h"
#include "platform/Clock.h"
#include "platform/ManualClock.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "tests/script/TestWindowServices.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

class Scene : public CMC_ObjectsContainer {
public:
    Scene() : CMC_ObjectsContainer(nullptr, nullptr, CXString("SCENE"), script::TYPE_SCENE) { setScene(this); }
    ~Scene() override { beginDestruction(); }
    CXString** getBehavioursList() override { return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"}); }
};

struct World {
    World()
    {
        platform::setClock(&clock);
        CWindowServices::install(&window);
        CMC_VariableFactory::initialize();
        CMC_RunnerFactory::initialize();
        CMC_Behaviour::initTrash();
    }

    platform::ManualClock clock;
    scripttest::TestWindowServices window;
};

std::vector<CMC_ObjectRef> heldBy(CMC_ObjectsContainer* scene)
{
    std::vector<CMC_ObjectRef> held;
    for (int i = 0; i < scene->getObjects()->getSize(); ++i)
        held.emplace_back(scene->getObject(i));
    return held;
}

void turn(World& world)
{
    world.clock.advance(16);
    world.window.timers.domodal();
    CMC_Behaviour::flushTrash();
    world.window.sweep();
    CMC_VariableFactory::clearPool();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static World world;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<CMElements> elements(
        CMElementsLoader::load(nullptr, new CTextFileReader(nullptr, text.c_str(), static_cast<int>(text.size()))));
    if (elements == nullptr)
        return 0;
    auto* scene = new Scene();
    CMC_ObjectRef alive(scene);
    delete scene->resolveObjects(elements.get());
    for (const CMC_ObjectRef& object : heldBy(scene)) {
        if (CMC_Object* made = object.get())
            made->init();
    }
    for (const CMC_ObjectRef& object : alive.isAlive() ? heldBy(scene) : std::vector<CMC_ObjectRef>()) {
        if (auto* behaviour = dynamic_cast<CMC_Behaviour*>(object.get()))
            behaviour->run(scene, nullptr, true);
    }
    turn(world);
    if (alive.isAlive()) {
        scene->unload();
        CMC_Object::destroy(scene);
    }
    world.window.emptyTrash();
    turn(world);
    return 0;
}
