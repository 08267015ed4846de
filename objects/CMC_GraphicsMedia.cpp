#include "objects/CMC_GraphicsMedia.h"

#include "application/CMC_Scene.h"
#include "foundation/CMElement.h"
#include "foundation/CResourcesManager.h"
#include "foundation/CXArchive.h"
#include "foundation/CXArray.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPlayable.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CMediaRelease.h"
#include "objects/CSceneResources.h"

#include <utility>

CMC_GraphicsMedia::CMC_GraphicsMedia(CMC_ObjectsContainer* container, const CXString& name, int type, PointerRules rules)
    : CMC_PointerTarget(container, name, type, rules)
{
}

CMC_GraphicsMedia::CMC_GraphicsMedia(CMC_ObjectsContainer* container, CMElement* element, int type, PointerRules rules)
    : CMC_PointerTarget(container, element, type, rules)
{
}

CMC_GraphicsMedia::~CMC_GraphicsMedia()
{
    // Deleted without done (a script's DELETE, a loader's RELEASE): nothing may point here after.
    beginDestruction();
    releaseEngine();
}

CMC_GraphicsMedia::Definition CMC_GraphicsMedia::readDefinition(CMElement* element)
{
    Definition definition;
    definition.file = element->getPropertyValue("FILENAME");
    definition.toCanvas = element->getPropertyBoolValue("TOCANVAS");
    definition.visible = element->getPropertyBoolValue("VISIBLE");
    definition.flushAfterPlayed = element->getPropertyBoolValue("FLUSHAFTERPLAYED");
    // Only an explicit false defers the reading of the file.
    definition.loadNow = !element->getPropertyValue("PRELOAD").IsString() || element->getPropertyBoolValue("PRELOAD");
    preload_ = element->getPropertyBoolValue("PRELOAD");
    monitorCollision_ = element->getPropertyBoolValue("MONITORCOLLISION");
    monitorCollisionAlpha_ = element->getPropertyBoolValue("MONITORCOLLISIONALPHA");
    priority_ = element->getPropertyIntValue("PRIORITY");
    return definition;
}

// ---- the engine object -----------------------------------------------------------------------

// Steps: the same file stays; the old object is given up; in a scene the manager's object of the
// file is taken, else a new one is made, named, read when asked and, in a scene, added to the
// manager; an object that was on the screen puts the new one there at the old priority, with
// its collision watching.
void CMC_GraphicsMedia::load(const CXString& file, bool loadNow)
{
    if (playable_ != nullptr && playable_->getFileName().equalsIgnoreCase(file)) {
        loaded();
        return;
    }
    int oldPriority = getScreenPriority();
    CResourcesManager* manager = CSceneResources::managerFor(this);
    releaseEngine();
    // An empty name is never looked up: each such object has its own.
    if (manager != nullptr && file.IsString() && takeShared(manager, file)) {
        shared_ = true;
    } else {
        makeEngine();
        playable_->setFilename(file);
        if (loadNow && file.IsString())
            readFile(file);
        if (manager != nullptr) {
            manager->add(playable_);
            shared_ = true;
        }
    }
    if (oldPriority >= 0) {
        putOnScreen(oldPriority);
        redisplayed();
        monitorCollisionsAsAsked();
        graphics_->setMonitorCollisions(isMonitoringCollisions());
    }
    loaded();
}

void CMC_GraphicsMedia::releaseEngine()
{
    if (playable_ == nullptr)
        return;
    letGo();
    removeCollisionsMonitoring();
    CPlayable* medium = playable_;
    graphics_ = nullptr;
    playable_ = nullptr;
    CMediaRelease::release(medium, std::exchange(shared_, false));
}

bool CMC_GraphicsMedia::done(bool wholeContainer)
{
    releaseEngine();
    return CMC_Object::done(wholeContainer);
}

// ---- screen ----------------------------------------------------------------------------------

CRefreshScreen* CMC_GraphicsMedia::screen() const
{
    return window() != nullptr ? window()->GetRefreshScreenInterface() : nullptr;
}

int CMC_GraphicsMedia::getScreenPriority() const
{
    CRefreshScreen* shown = screen();
    return shown != nullptr && graphics_ != nullptr ? shown->GetPriority(graphics_) : -1;
}

void CMC_GraphicsMedia::setScreenPriority(int priority)
{
    if (CRefreshScreen* shown = screen(); shown != nullptr && graphics_ != nullptr)
        shown->SetPriority(graphics_, priority);
}

void CMC_GraphicsMedia::putOnScreen(int priority)
{
    if (CRefreshScreen* shown = screen(); shown != nullptr && graphics_ != nullptr)
        shown->put(graphics_, priority);
}

CXRect CMC_GraphicsMedia::hitRect()
{
    return graphics_ != nullptr ? graphics_->GetBoundingBox() : CXRect();
}

// ---- collisions ------------------------------------------------------------------------------

void CMC_GraphicsMedia::monitorCollisions(bool alphaTest)
{
    if (CMC_Scene* scene = CSceneResources::sceneOf(this); scene != nullptr && graphics_ != nullptr)
        scene->monitorCollisions(graphics_, alphaTest, this);
}

void CMC_GraphicsMedia::monitorCollisionsAsAsked()
{
    if (isMonitoringCollisions())
        monitorCollisions(monitorCollisionAlpha_);
}

void CMC_GraphicsMedia::removeCollisionsMonitoring()
{
    if (CMC_Scene* scene = CSceneResources::sceneOf(this); scene != nullptr && graphics_ != nullptr)
        scene->removeMonitorCollisions(graphics_, this);
}

void CMC_GraphicsMedia::onCollision(CGraphicsObject* first, CGraphicsObject* other)
{
    if (first != nullptr && first == graphics_ && isBound("ONCOLLISION"))
        raiseCollision("ONCOLLISION", other, false);
}

void CMC_GraphicsMedia::onCollisionFinished(CGraphicsObject* first, CGraphicsObject* other)
{
    if (first != nullptr && first == graphics_ && isBound("ONCOLLISIONFINISHED"))
        raiseCollision("ONCOLLISIONFINISHED", other, true);
}

void CMC_GraphicsMedia::raiseCollision(const char* signal, CGraphicsObject* other, bool finished)
{
    CMC_ObjectsContainer* container = getScene();
    CXString otherName = container != nullptr ? container->getGraphicsObjectName(other, true) : CXString("UNKNOWN");
    CXString ownName = container != nullptr ? container->getGraphicsObjectName(graphics_, true) : CXString("UNKNOWN");
    CXString plain(signal);
    CXArray arguments(101, 0.75f);
    arguments.add(&ownName);
    arguments.add(&otherName);
    CXString event;
    if (collisionEvent(event)) {
        // The finishing form names this object itself where the starting one names the other.
        CXString second = finished ? getName() : otherName;
        raiseFirstOf({plain + "^" + event + "^" + second, plain + "^" + otherName}, plain, &arguments);
    } else {
        raiseFirstOf({plain + "^" + otherName}, plain, &arguments);
    }
}

// ---- stored record ---------------------------------------------------------------------------

void CMC_GraphicsMedia::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive == nullptr)
        return;
    if (!archive->isStoring()) {
        restoreRecord(archive);
        return;
    }
    bool visible = graphics_ != nullptr && graphics_->isVisible();
    bool flushAfterPlayed = playable_ != nullptr && playable_->releaseAfterUse();
    *archive << asButton_ << monitorCollision_ << monitorCollisionAlpha_
             << (playable_ != nullptr ? playable_->getFileName() : CXString()) << (getScreenPriority() < 0) << visible
             << priority_ << flushAfterPlayed << preload_;
}

void CMC_GraphicsMedia::restoreRecord(CXArchive* archive)
{
    CXString file;
    bool offScreen = true;
    bool visible = false;
    bool flushAfterPlayed = false;
    *archive >> &asButton_ >> &monitorCollision_ >> &monitorCollisionAlpha_ >> &file >> &offScreen >> &visible >>
        &priority_ >> &flushAfterPlayed >> &preload_;
    if (archive->LastError() != 0)
        return;
    // Handlers read before the fields registered the listener at the priority the object had.
    listenAgain();
    load(file, preload_);
    if (playable_ == nullptr)
        return;
    playable_->toRelease(flushAfterPlayed);
    graphics_->Visible(visible);
    monitorCollisionsAsAsked();
    // The flag says the picture was off the screen when it was stored; the record has it so, and
    // only a picture that was on the screen goes back there.
    if (!offScreen)
        putOnScreen(priority_);
}
