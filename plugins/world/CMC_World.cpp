#include "plugins/world/CMC_World.h"

#include "foundation/CFile.h"
#include "foundation/CMElement.h"
#include "graphics/CGraphicsObject.h"
#include "platform/Clock.h"
#include "platform/WindowSystem.h"
#include "plugins/world/CMC_World_Runner.h"
#include "plugins/world/korrun/IKorrun.h"
#include "script/CMC_ObjectsContainer.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

CMC_World::SimulationMaker& simulationMaker()
{
    static CMC_World::SimulationMaker maker;
    return maker;
}

std::unique_ptr<IKorrun> madeSimulation()
{
    std::unique_ptr<IKorrun> made = simulationMaker() ? simulationMaker()() : std::make_unique<IKorrun>();
    if (made != nullptr)
        made->SetClock([] { return platform::clock().tickMs(); });
    return made;
}

// A world file read whole through the engine's files, as a stream of the C library, which is what
// the simulation reads. No stream when the file does not open or holds nothing.
class WorldFile {
public:
    WorldFile(CWindow* window, const CXString& name)
    {
        CFile file(window, name, CFile::READ | CFile::BINARY);
        const int length = file.Length();
        if (length <= 0)
            return;
        bytes_.resize(static_cast<size_t>(length));
        bytes_.resize(static_cast<size_t>(std::max(file.Read(bytes_.data(), length), 0)));
        if (!bytes_.empty())
            stream_ = fmemopen(bytes_.data(), bytes_.size(), "rb");
    }
    ~WorldFile()
    {
        if (stream_ != nullptr)
            std::fclose(stream_);
    }
    WorldFile(const WorldFile&) = delete;
    WorldFile& operator=(const WorldFile&) = delete;

    std::FILE* stream() const { return stream_; }

private:
    std::vector<char> bytes_;
    std::FILE* stream_ = nullptr;
};

// The signals of a pass, made once: a pass raises them for every link.
struct SignalKeys {
    CXString atGoal{"ONSIGNAL^ATGOAL"};
    CXString noPath{"ONSIGNAL^NOPATH"};
    CXString anyContact{"ONSIGNAL^ANY"};
    CXString noContact{"ONSIGNAL^NOCOLL"};
    CXString started{"ONSIGNAL^ONSTARTED"};
    CXString finished{"ONSIGNAL^ONFINISHED"};
};

const SignalKeys& keys()
{
    static const SignalKeys made;
    return made;
}

} // namespace

CMC_World::CMC_World(CMC_ObjectsContainer* container, CMElement* definition)
    : CMC_Object(container, definition, kTypeId)
{
    CMC_World_Runner::addWorld();
    WorldFile file(CMC_ObjectsContainer::windowOf(container),
                   definition != nullptr ? definition->getPropertyValue("FILENAME") : CXString());
    simulation_ = madeSimulation();
    if (simulation_ != nullptr)
        simulation_->Create(file.stream());
    initializeBehaviours(container, definition);
}

CMC_World::CMC_World(CMC_ObjectsContainer* container) : CMC_Object(container, nullptr, kTypeId)
{
    CMC_World_Runner::addWorld();
    platform::windowSystem().showMessage("Test", "CMC_World::CMC_World( CMS_Scene )", nullptr);
}

CMC_World::~CMC_World()
{
    beginDestruction();
    simulation_.reset();
    links_.clear();
    retired_.clear();
    CMC_World_Runner::removeWorld();
}

CXString** CMC_World::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}

CMC_Runner* CMC_World::getRunner()
{
    return CMC_World_Runner::shared();
}

void CMC_World::setSimulationMaker(SimulationMaker maker)
{
    simulationMaker() = std::move(maker);
}

void CMC_World::load(const CXString& fileName)
{
    WorldFile file(CMC_ObjectsContainer::windowOf(getScene()), fileName);
    if (file.stream() != nullptr)
        simulation_->Load(file.stream());
}

// ---- links ------------------------------------------------------------------------------------

void CMC_World::link(uint32_t body, CGraphicsObject* graphics, CMC_Object* object, int flags)
{
    links_.push_back(std::make_unique<CWorldLink>(body, graphics, object, flags));
}

CWorldLink* CMC_World::firstLinkOf(uint32_t body)
{
    for (const std::unique_ptr<CWorldLink>& link : links_) {
        if (link->body() == body)
            return link.get();
    }
    return nullptr;
}

void CMC_World::unlink(uint32_t body)
{
    auto found = std::find_if(links_.begin(), links_.end(), [body](const auto& link) { return link->body() == body; });
    if (found == links_.end())
        return;
    std::unique_ptr<CWorldLink> taken = std::move(*found);
    links_.erase(found);
    // A pass may be serving it right now.
    if (passes_ > 0)
        retired_.push_back(std::move(taken));
}

void CMC_World::removeObject(uint32_t body)
{
    unlink(body);
    simulation_->RemoveObject(body);
}

void CMC_World::pauseLink(uint32_t body, bool signalsOnly)
{
    if (CWorldLink* link = firstLinkOf(body))
        signalsOnly ? link->setSignals(false) : link->setPaused(true);
}

void CMC_World::resumeLink(uint32_t body, bool signalsOnly)
{
    if (CWorldLink* link = firstLinkOf(body))
        signalsOnly ? link->setSignals(true) : link->setPaused(false);
}

// ---- MOVEOBJECTS ------------------------------------------------------------------------------

float CMC_World::moveObjects()
{
    float simulated = 0.0f;
    simulation_->MoveObjects(&simulated);
    if (links_.empty())
        return simulated;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    // The reference body may not exist: the view then stays where it was.
    if (simulation_->GetPosition(view_.reference(), &x, &y, &z) >= 0)
        view_.follow(x, y);
    const CMC_ObjectRef self(this);
    ++passes_;
    // Handlers may add and take out links: the count is read at every step.
    for (size_t i = 0; i < links_.size(); ++i) {
        if (!serve(*links_[i], self))
            return simulated;
    }
    if (--passes_ == 0)
        retired_.clear();
    return simulated;
}

bool CMC_World::serve(CWorldLink& link, const CMC_ObjectRef& self)
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    if (link.isPaused() || simulation_->GetPosition(link.body(), &x, &y, &z) < 0)
        return true;
    if (link.moves())
        place(link, x, y);
    if (!link.signals() || link.object() == nullptr)
        return true;
    return signal(link, self);
}

void CMC_World::place(CWorldLink& link, float x, float y)
{
    CGraphicsObject* graphics = link.graphics();
    if (graphics == nullptr)
        return;
    const CWorldView::Point screen = view_.toScreen(x, y);
    graphics->Invalidate();
    graphics->setPosition(CWorldView::truncated(screen.x), CWorldView::truncated(screen.y));
    graphics->Invalidate();
}

bool CMC_World::signal(CWorldLink& link, const CMC_ObjectRef& self)
{
    uint32_t state = IKorrun::kUnderway;
    // A state that could not be read tells nothing.
    if (simulation_->IsAtGoal(link.body(), &state) >= 0) {
        if (state == IKorrun::kAtGoal && !raise(link, keys().atGoal, self))
            return false;
        if (state == IKorrun::kNoPath && !raise(link, keys().noPath, self))
            return false;
    }
    bool touching = false;
    if (simulation_->GetCollision(link.body(), &touching) < 0)
        return true;
    if (!signalContacts(link, touching, self))
        return false;
    return signalSpeed(link, self);
}

bool CMC_World::signalContacts(CWorldLink& link, bool touching, const CMC_ObjectRef& self)
{
    if (!touching)
        return raise(link, keys().noContact, self);
    IVector* found = nullptr;
    std::vector<uint32_t> bodies;
    // Copied: a handler's own MOVEOBJECTS would ask for the list again.
    if (simulation_->GetAllCollisions(link.body(), &found) >= 0 && found != nullptr && found->GetCount() > 0)
        bodies.assign(found->GetData(), found->GetData() + found->GetCount());
    for (auto body = bodies.rbegin(); body != bodies.rend(); ++body) {
        CXString key("ONSIGNAL^");
        key += static_cast<int>(*body);
        if (!raise(link, key, self))
            return false;
    }
    return raise(link, keys().anyContact, self);
}

bool CMC_World::signalSpeed(CWorldLink& link, const CMC_ObjectRef& self)
{
    float speed = 0.0f;
    simulation_->GetSpeed(link.body(), &speed);
    const float last = link.lastSpeed();
    if (speed == last)
        return true;
    if (speed == 0.0f && !raise(link, keys().finished, self))
        return false;
    if (speed != 0.0f && last == 0.0f && !raise(link, keys().started, self))
        return false;
    link.setLastSpeed(speed);
    return true;
}

bool CMC_World::raise(CWorldLink& link, const CXString& key, const CMC_ObjectRef& self)
{
    if (CMC_Object* object = link.object())
        object->onSignal(key);
    return self.isAlive();
}
