#include "KorrunWorld.h"

#include "KorrunBody.h"
#include "KorrunScale.h"

#include <box2d/b2_body.h>
#include <box2d/b2_contact.h>
#include <box2d/b2_world.h>

#include <algorithm>

KorrunWorld::KorrunWorld()
    : world_(std::make_unique<b2World>(b2Vec2(0.0f, 0.0f))), joints_(std::make_unique<KorrunJoints>(*world_))
{
    world_->SetContactListener(&contacts_);
}

// The bodies go first, while the Box2D world they live in is still there.
KorrunWorld::~KorrunWorld()
{
    bodies_.clear();
}

KorrunBody* KorrunWorld::find(uint32_t id) const
{
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
}

KorrunBody& KorrunWorld::make(uint32_t id, int flags)
{
    remove(id);
    bodies_.push_back(std::make_unique<KorrunBody>(*world_, id, flags));
    byId_[id] = bodies_.back().get();
    return *bodies_.back();
}

bool KorrunWorld::remove(uint32_t id)
{
    KorrunBody* body = find(id);
    if (body == nullptr)
        return false;
    joints_->breakAll(body->body());
    byId_.erase(id);
    for (const std::unique_ptr<KorrunBody>& other : bodies_)
        other->setPulledBy(id, false);
    bodies_.erase(std::find_if(bodies_.begin(), bodies_.end(), [body](const auto& held) { return held.get() == body; }));
    return true;
}

void KorrunWorld::setGravity(const b2Vec3& gravity)
{
    world_->SetGravity(KorrunScale::metres(b2Vec2(gravity.x, gravity.y)));
    gravity_ = gravity;
    // Box2D leaves sleeping bodies asleep when gravity changes; they should fall.
    for (const std::unique_ptr<KorrunBody>& body : bodies_)
        body->body()->SetAwake(true);
}

void KorrunWorld::simulate(int steps)
{
    ++stamp_;
    for (const std::unique_ptr<KorrunBody>& body : bodies_)
        body->beginCall();
    for (int step = 0; step < steps; ++step) {
        pullTowardsCentres();
        for (const std::unique_ptr<KorrunBody>& body : bodies_)
            body->beforeStep(kStepSeconds, gravity_, stamp_);
        world_->Step(kStepSeconds, kVelocityIterations, kPositionIterations);
        joints_->breakOverloaded(1.0f / kStepSeconds);
        for (const std::unique_ptr<KorrunBody>& body : bodies_)
            body->afterStep(kStepSeconds, gravity_.z, stamp_);
    }
    for (const std::unique_ptr<KorrunBody>& body : bodies_)
        body->endCall(steps > 0);
}

void KorrunWorld::pullTowardsCentres()
{
    std::vector<const KorrunBody*> centres;
    for (const std::unique_ptr<KorrunBody>& body : bodies_) {
        if (body->pullsAll())
            centres.push_back(body.get());
    }
    for (const std::unique_ptr<KorrunBody>& pulled : bodies_) {
        if (centres.empty() && pulled->pulledBy().empty())
            continue;
        const b2Vec3 place = pulled->position();
        const b2Vec2 at(place.x, place.y);
        for (const KorrunBody* centre : centres) {
            if (centre != pulled.get())
                pulled->pull(centre->pullAt(at));
        }
        for (uint32_t id : pulled->pulledBy()) {
            const KorrunBody* centre = find(id);
            if (centre != nullptr && !centre->pullsAll())
                pulled->pull(centre->pullAt(at));
        }
    }
}

std::vector<KorrunObstacle> KorrunWorld::obstacles(uint32_t except, uint32_t alsoExcept) const
{
    std::vector<KorrunObstacle> found;
    for (const std::unique_ptr<KorrunBody>& body : bodies_) {
        const bool inTheWay = body->meshEnabled() || body->meshColliding();
        if (inTheWay && body->id() != except && body->id() != alsoExcept && body->body()->IsEnabled())
            found.push_back(KorrunObstacle::of(*body));
    }
    return found;
}

void KorrunWorld::touching(const KorrunBody& body, std::vector<uint32_t>& ids) const
{
    ids.clear();
    for (const b2ContactEdge* edge = body.body()->GetContactList(); edge != nullptr; edge = edge->next) {
        if (edge->contact->IsTouching())
            ids.push_back(KorrunBody::of(edge->other)->id());
    }
    for (uint32_t id : body.begun()) {
        if (find(id) != nullptr)
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}
