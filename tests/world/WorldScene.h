#pragma once

// A live scene with WORLD objects: made here in the test program on a scripted simulation
// (FakeKorrun), or by the World library the scene names, which is copied into the game's program
// folder (T:\) and runs Korrun itself.

#include "FakeKorrun.h"
#include "objects/MediaScene.h"

#include "foundation/CMElement.h"
#include "platform/SharedLibrary.h"
#include "plugins/world/CMC_World.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace worldtest {

using objectstest::logs;
using scripttest::declared;

class WorldScene : public objectstest::MediaScene {
protected:
    static constexpr const char* kLibrary = "T:\\World.so";

    void SetUp() override
    {
        MediaScene::SetUp();
        CMC_World::setSimulationMaker([this] {
            auto made = std::make_unique<FakeKorrun>();
            made->bodies[1] = FakeBody{};
            simulations_.push_back(made.get());
            return made;
        });
        copyLibrary(WORLD_LIBRARY, "World.so");
    }
    void TearDown() override
    {
        MediaScene::TearDown();
        CMC_World::setSimulationMaker({});
    }

    // A WORLD of that name made in the live scene from a definition of these properties
    // ("FILENAME=w.txt"), on a new FakeKorrun that knows body 1.
    CMC_World* addWorld(const std::string& name, std::initializer_list<std::pair<std::string, std::string>> properties = {})
    {
        CMElement definition(name.c_str());
        definition.addProperty("TYPE", "WORLD");
        for (const auto& [key, value] : properties)
            definition.addProperty(key.c_str(), value.c_str());
        auto* world = new CMC_World(liveScene(), &definition);
        liveScene()->addObject(world);
        return world;
    }
    // The simulation of the WORLD made last; valid while that WORLD lives.
    FakeKorrun& simulation() { return *simulations_.back(); }

    // Whether the game's copy of the library is in the process.
    static bool libraryLoaded() { return platform::SharedLibrary::isResident(kLibrary); }

private:
    std::vector<FakeKorrun*> simulations_;
};

} // namespace worldtest
