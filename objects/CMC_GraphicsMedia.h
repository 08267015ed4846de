#pragma once

#include "graphics/CCollisionObserver.h"
#include "objects/CMC_PointerTarget.h"
#include "objects/CSceneResources.h"

class CGraphicsObject;
class CPlayable;
class CRefreshScreen;

// The base of the script objects that show one engine picture loaded from a file (ANIMO with an
// animation, IMAGE with a still image): the picture's sharing within the scene, its place on the
// window's screen, its collision watching, its release and the object's stored record. The
// engine object is one object seen as a picture and as a playable.
//
// Sharing: in a scene, an object takes the picture of its file from the default unit's resources
// manager when another object loaded it already (one more use), else loads it and adds it there;
// each object gives its use back, and the last one's return deletes the picture. Objects outside
// scenes, and clones with their copies, own their pictures.
//
// Collisions: the scene's inspector tells every watcher of every pair; an object raises its
// signals only for pairs whose first picture is its own. The forms tried are
// "ONCOLLISION^" + E + "^" + other (types with an event E, ANIMO), "ONCOLLISION^" + other, then
// the plain signal with the arguments (own name, other's name); ONCOLLISIONFINISHED alike, its
// first form naming this object itself in place of the other.
//
// The object's record after the common part: asButton, monitorCollision, monitorCollisionAlpha
// (bools), the picture's file name, whether it was off the screen, whether it was visible (bools),
// PRIORITY (int), the flush-after-played flag, PRELOAD (bools).
class CMC_GraphicsMedia : public CMC_PointerTarget, public CCollisionObserver {
public:
    ~CMC_GraphicsMedia() override;

    // Makes the file the engine object; see the source for the steps. An object that already
    // shows that file (names compared ignoring case) keeps it.
    virtual void load(const CXString& file, bool loadNow);
    // The scene stops watching the engine object for this object.
    virtual void removeCollisionsMonitoring();
    // The scene watches the engine object for this object, with the alpha test when asked.
    void monitorCollisions(bool alphaTest);

    // Gives the engine object up, then raises ONDONE when it is bound.
    bool done(bool wholeContainer) override;
    void serialize(CXArchive* archive) override;
    void onCollision(CGraphicsObject* first, CGraphicsObject* other) override;
    void onCollisionFinished(CGraphicsObject* first, CGraphicsObject* other) override;

    // Null before a load.
    CGraphicsObject* getGraphics() const { return graphics_; }
    CPlayable* getPlayable() const { return playable_; }
    // The engine object's priority on the window's screen; -1 when it is not there.
    int getScreenPriority() const;
    void setScreenPriority(int priority);
    // Puts the engine object on the screen at the priority.
    void putOnScreen(int priority);
    // PRIORITY: where the object goes on the screen and among the mouse listeners.
    int getPriority() const { return priority_; }
    bool isMonitoringCollisions() const { return monitorCollision_ || monitorCollisionAlpha_; }

protected:
    // The definition properties every type reads.
    struct Definition {
        CXString file;
        bool toCanvas;
        bool visible;
        bool flushAfterPlayed;
        // PRELOAD absent or true: read the file now.
        bool loadNow;
    };

    CMC_GraphicsMedia(CMC_ObjectsContainer* container, const CXString& name, int type, PointerRules rules);
    CMC_GraphicsMedia(CMC_ObjectsContainer* container, CMElement* element, int type, PointerRules rules);

    // FILENAME, TOCANVAS, VISIBLE, FLUSHAFTERPLAYED, PRELOAD, and into the object PRELOAD,
    // MONITORCOLLISION, MONITORCOLLISIONALPHA and PRIORITY. A missing bool is false, a missing
    // int 0.
    Definition readDefinition(CMElement* element);
    // Collision watching when MONITORCOLLISION or MONITORCOLLISIONALPHA asks for it.
    void monitorCollisionsAsAsked();
    // The engine object from now on, owned by the object until it is shared (a clone's copy, a
    // new one).
    template <class Engine>
    void setEngine(Engine* engine)
    {
        graphics_ = engine;
        playable_ = engine;
        shared_ = false;
    }
    // The manager's engine object of the file when it is of that kind (one more use of it).
    template <class Engine>
    bool takeSharedAs(CResourcesManager* manager, const CXString& file)
    {
        Engine* shared = CSceneResources::take<Engine>(manager, file);
        if (shared != nullptr)
            setEngine(shared);
        return shared != nullptr;
    }
    // Everything registered for the engine object ends and the object gives it up (a use back
    // to the manager, or deleted when it is the object's own). Each type's destructor calls it
    // first, while the type's letGo can still run.
    void releaseEngine();

    // The type's engine object: the manager's one of that file when it has one of the type's kind
    // (taken with one more use); a new one for the object's window; its file read.
    virtual bool takeShared(CResourcesManager* manager, const CXString& file) = 0;
    virtual void makeEngine() = 0;
    virtual void readFile(const CXString& file) = 0;
    // The object lets go of its engine object: what the type registered with it ends here.
    virtual void letGo() {}
    // The engine object was put back on the screen after a reload.
    virtual void redisplayed() {}
    // A load ended, with a new engine object or the same.
    virtual void loaded() {}
    // The event part of the collision signals; false for types without one.
    virtual bool collisionEvent(CXString& event) { return false; }

    int listenerPriority() override { return priority_; }
    CXRect hitRect() override;
    CRefreshScreen* screen() const;

    int priority_ = 0;
    bool monitorCollision_ = false;
    bool monitorCollisionAlpha_ = false;
    bool preload_ = false;

private:
    void raiseCollision(const char* signal, CGraphicsObject* other, bool finished);
    void restoreRecord(CXArchive* archive);

    CGraphicsObject* graphics_ = nullptr;
    CPlayable* playable_ = nullptr;
    // Held through the scene's resources manager.
    bool shared_ = false;
};
