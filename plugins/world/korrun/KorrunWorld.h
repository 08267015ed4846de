#pragma once

#include "KorrunContacts.h"
#include "KorrunJoints.h"
#include "KorrunNavigator.h"

#include <box2d/b2_math.h>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class b2World;
class KorrunBody;

// Everything a world file makes: the Box2D world, the bodies by id in the order they were made,
// the joints, the mesh and the gravity along the depth. It runs the steps of a MoveObjects call.
class KorrunWorld {
public:
    // Box2D's time step and iterations, as its testbed runs.
    static constexpr float kStepSeconds = 1.0f / 60.0f;
    static constexpr int kVelocityIterations = 8;
    static constexpr int kPositionIterations = 3;

    KorrunWorld();
    ~KorrunWorld();
    KorrunWorld(const KorrunWorld&) = delete;
    KorrunWorld& operator=(const KorrunWorld&) = delete;

    KorrunBody* find(uint32_t id) const;
    // Makes body id, replacing one of the same id.
    KorrunBody& make(uint32_t id, int flags);
    bool remove(uint32_t id);
    const std::vector<std::unique_ptr<KorrunBody>>& bodies() const { return bodies_; }

    KorrunJoints& joints() { return *joints_; }
    KorrunNavigator& navigator() { return navigator_; }
    void setGravity(const b2Vec3& gravity);

    // The number of the last MoveObjects call; the next one is stamp() + 1.
    uint32_t stamp() const { return stamp_; }
    // One MoveObjects call of that many steps.
    void simulate(int steps);

    // The bodies in the way of a body finding its way, but for the two given.
    std::vector<KorrunObstacle> obstacles(uint32_t except, uint32_t alsoExcept) const;
    // Ids of the bodies touching body now or since the last call began, rising, each once.
    void touching(const KorrunBody& body, std::vector<uint32_t>& ids) const;

private:
    void pullTowardsCentres();

    std::unique_ptr<b2World> world_;
    KorrunContacts contacts_;
    std::unique_ptr<KorrunJoints> joints_;
    KorrunNavigator navigator_;
    std::vector<std::unique_ptr<KorrunBody>> bodies_;
    std::unordered_map<uint32_t, KorrunBody*> byId_;
    b2Vec3 gravity_{0.0f, 0.0f, 0.0f};
    uint32_t stamp_ = 0;
};
