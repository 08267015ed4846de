#pragma once

// What the script fuzz targets run scenes in: a scene container with no window, the window
// services it asks for, the script core's factories made once, and engine turns on the manual
// clock.

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

#include <memory>
#include <string>
#include <vector>

namespace fuzzing {

class Scene : public CMC_ObjectsContainer {
public:
    Scene() : CMC_ObjectsContainer(nullptr, nullptr, CXString("SCENE"), script::TYPE_SCENE) { setScene(this); }
    ~Scene() override { beginDestruction(); }
    CXString** getBehavioursList() override { return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"}); }
};

struct ScriptWorld {
    ScriptWorld()
    {
        platform::setClock(&clock);
        CWindowServices::install(&window);
        CMC_VariableFactory::initialize();
        CMC_RunnerFactory::initialize();
        CMC_Behaviour::initTrash();
    }

    // The timers polled, the trashes swept, the temporaries given back.
    void turn()
    {
        clock.advance(16);
        window.timers.domodal();
        CMC_Behaviour::flushTrash();
        window.sweep();
        CMC_VariableFactory::clearPool();
    }

    // The scene, when it lived through the run, unloaded and deleted; then the trash emptied and
    // one more turn.
    void finish(const CMC_ObjectRef& scene)
    {
        if (auto* container = static_cast<CMC_ObjectsContainer*>(scene.get())) {
            container->unload();
            CMC_Object::destroy(container);
        }
        window.emptyTrash();
        turn();
    }

    platform::ManualClock clock;
    scripttest::TestWindowServices window;
};

inline std::vector<CMC_ObjectRef> heldBy(CMC_ObjectsContainer* scene)
{
    std::vector<CMC_ObjectRef> held;
    for (int i = 0; i < scene->getObjects()->getSize(); ++i)
        held.emplace_back(scene->getObject(i));
    return held;
}

// A new scene holding the objects of the script text, each initialised. Empty when the text
// parses into nothing, or when the scene did not live through its objects' start.
inline CMC_ObjectRef loadScene(const std::string& text)
{
    std::unique_ptr<CMElements> elements(
        CMElementsLoader::load(nullptr, new CTextFileReader(nullptr, text.c_str(), static_cast<int>(text.size()))));
    if (elements == nullptr)
        return CMC_ObjectRef();
    auto* scene = new Scene();
    CMC_ObjectRef alive(scene);
    delete scene->resolveObjects(elements.get());
    for (const CMC_ObjectRef& object : heldBy(scene)) {
        if (CMC_Object* made = object.get())
            made->init();
    }
    return alive;
}

} // namespace fuzzing
