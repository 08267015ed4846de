// Scene definition text from hostile bytes, loaded as a scene loads its script: parsed into
// elements, made into objects in the six passes, every object initialised, every BEHAVIOUR run
// once, one turn on the manual clock (the window's timers polled, the trashes swept, the
// temporaries given back), then the unload. Whatever the text, everything made is deleted.
#include "fuzz/ScriptWorld.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ScriptWorld world;
    CMC_ObjectRef alive = loadScene(std::string(reinterpret_cast<const char*>(data), size));
    auto* scene = static_cast<CMC_ObjectsContainer*>(alive.get());
    for (const CMC_ObjectRef& object : alive.isAlive() ? heldBy(scene) : std::vector<CMC_ObjectRef>()) {
        if (auto* behaviour = dynamic_cast<CMC_Behaviour*>(object.get()))
            behaviour->run(scene, nullptr, true);
    }
    world.turn();
    world.finish(alive);
    return 0;
}
