#pragma once

#include "foundation/CUnitTimerTarget.h"
#include "foundation/CXArray.h"
#include "foundation/CXObject.h"
#include "graphics/CControlNotifier.h"
#include "graphics/CEditBoxUnit.h"
#include "graphics/CGraphicsRef.h"
#include "graphics/CKeyListener.h"
#include "graphics/CMouseListener.h"
#include "graphics/CPlayableObserver.h"
#include "graphics/CScreenUnit.h"
#include "sound/CRandomPlayableNotifier.h"

#include "foundation/CXPoint.h"

#include <memory>
#include <vector>

class CAnimo6;
class CApplication;
class CControl;
class CEditBox6;
class CGraphicsObject;
class CMC_Scene;
class CMElement;
class CMElements;
class CPlayable;
class CRandomPlayable;
class CRefreshScreen;
class CResourcesManager;
class CWindow;

// The scene host unit: the engine-side companion of the live scene. It holds the scene's name,
// background and music, its random playables, its resources manager and the return path scene
// scripts keep, shows the background and starts the music at the scene's first redraw, and
// listens to the window's mouse and keys (priority 100000) while a scene is live, to carry a
// control that is being dragged and to move the keyboard focus between its edit boxes with Tab
// (Shift+Tab backwards). One unit, named "Default", serves every scene: each scene initialises it
// when it becomes live and tells it done when it unloads. Main thread only.
class CUnit6 : public CXObject,
               public CControlNotifier,
               public CPlayableObserver,
               public CKeyListener,
               public CMouseListener,
               public CRandomPlayableNotifier,
               public CScreenUnit,
               public CUnitTimerTarget,
               public CEditBoxUnit {
public:
    // Its own resources manager joins the engine host's, so media fall back on the host's.
    CUnit6(CWindow* window, const CXString& name);
    ~CUnit6() override;
    CUnit6(const CUnit6&) = delete;
    CUnit6& operator=(const CUnit6&) = delete;

    // The priority of the unit among the window's mouse listeners.
    static constexpr int listenerPriority = 100000;
    // The screen priority of an animation always on top.
    static constexpr int onTopPriority = 1000;
    // The screen priority of an object while it is dragged.
    static constexpr int draggingPriority = 10000;

    // Serves the scene: return code 0, active, the previous unit's music name kept, its random
    // playables made, the window listened to.
    virtual bool initialize(CMC_Scene* scene, CUnit6* previous);
    // The first redraw of the scene happened: its music starts.
    bool onInitialUpdate() override;
    void onCanvasRefreshed() override;
    bool wasInitiallyUpdated() override;
    // True once a return code was set.
    virtual bool domodal();
    // Lets the scene go: inactive, not updated, random playables deleted, no longer listening,
    // resources flushed, return path emptied.
    virtual bool done(CMC_Scene* scene, CUnit6* unit);
    virtual CWindow* getWindow();
    // The window's screen (the one of its current display); null before it has one.
    virtual CRefreshScreen* getCanvas();
    virtual CRefreshScreen* getRefreshScreenInterface();
    bool isActive() override;
    // Plays the piece (the scene's music when null) looping, unless it is empty or already plays;
    // nothing unless forced or the scene wants its music started.
    virtual void startMusic(const char* name, bool force);
    virtual void stopMusic();
    virtual CXString getMusicFileName();
    virtual CXString getBackgroundFileName();
    // The screen's background becomes the picture of the background file, or none without one.
    virtual void setBackground();
    // An animation whose element says TOCANVAS goes on the screen at priority 1000 when it is
    // ALWAYSONTOP, else at the element's PRIORITY.
    void putOnCanvas(CAnimo6* animation, CMElement* element);
    void onTimer(int id) override;
    // Dragging a control's graphics object: it goes to the top of the screen and follows the
    // mouse until the next click (dragging mode true) or the button's release (false), then
    // takes its priority back and the control is enabled again. Each step tells the control.
    bool onStartDragging(CGraphicsObject* graphics, CXPoint point, CControl* control) override;
    virtual bool onDragging(CXPoint point);
    virtual bool onEndDragging(CXPoint point);
    using CControlNotifier::onDragging;
    using CControlNotifier::onEndDragging;
    using CControlNotifier::onStartDragging;
    // Puts the dragged object back where the drag started.
    void bringBackDraggingObjectPosition(CXPoint point);
    bool isDragging() const override { return dragging_; }
    bool getDraggingMode() const { return draggingMode_; }
    void setDraggingMode(bool endsAtClick) { draggingMode_ = endsAtClick; }
    // While dragging, moves carry the object and are taken; the click or the release that ends
    // the drag still goes on to other listeners.
    bool onMouseMove(CXPoint point) override;
    bool onClick(CXPoint point) override;
    bool onRelease(CXPoint point) override;
    using CMouseListener::onClick;
    using CMouseListener::onRelease;

    // A playable of the live scene that starts by itself at random (probability per second, plays
    // per run, event played); nothing while no scene is live.
    virtual void addRandomPlayable(CPlayable* playable, double probability, int times, const CXString& event);
    virtual void removeRandomPlayable(CPlayable* playable);
    virtual CResourcesManager* getResourcesManager();
    // A chance to rewrite a scene's elements before they become objects: they stay as they are.
    virtual CMElements* resolveObjects(CMC_Scene* scene, CMElements* elements);

    // Edit boxes. The unit owns the boxes it lists; one of them at most has the keyboard focus.
    // The cursor graphic given to the boxes made from now on (not owned).
    virtual void setCursor(CGraphicsObject* cursor);
    // A new box, listed last; null without a window.
    CEditBox6* addEditBox(CSimpleFont6* font, CXRect rect, int priority, const CXString& text) override;
    // The box that had the focus loses it (unless it lost it meanwhile), the box gets it.
    void activateEditBox(CEditBox6* box) override;
    // Takes the box off the list without deleting it.
    virtual void removeEditBox(CEditBox6* box);
    void releaseEditBox(CEditBox6* box) override;
    // Deletes every box.
    virtual void flushEditBoxes();
    // The index of the box with the focus; -1 when none.
    virtual int getCurrentEditBoxIndex();
    // From the box with the focus to the next enabled one, cyclically (the previous one).
    virtual void nextEditBox();
    virtual void prevEditBox();
    CScreenUnit* getScreenUnit() override { return this; }
    int getEditBoxCount() const { return int(editBoxes_.size()); }
    CEditBox6* getEditBox(int index) const;
    // Tab moves the focus.
    void onKeyDown(int key) override;

    void setUnitName(const CXString& name) { name_ = name; }
    CXString getUnitName() const { return name_; }
    void setBackgroundFileName(const CXString& name) { background_ = name; }
    CMC_Scene* getScene() const { return scene_; }
    CApplication* getApplication() const { return application_; }
    void setRetCode(int code) { returnCode_ = code; }
    int getRetCode() const { return returnCode_; }
    void exit() { returnCode_ = 1; }
    void setActivity(bool active) { active_ = active; }
    // A timer of the window that tells this unit (only while it is active and drawn, when asked).
    void setTimer(int id, int period, bool onlyActive);
    void killTimer(int id);
    bool quitOnError(CXObject*) { return false; }
    // The texts scene scripts keep for going back; emptied when a scene is done.
    CXArray* getRetPath() { return &returnPath_; }

private:
    void stopListening();
    // Forgets the drag without telling anyone.
    void dropDrag();
    // The dragged control while it lives.
    CControl* draggedControl() const;
    // A control was dragged and is gone.
    bool dragTargetGone() const;
    int indexOf(const CEditBox6* box) const;
    // The focus goes `step` boxes on from the box that has it, past disabled ones.
    void stepEditBox(int step);

    CXString name_;
    bool dragging_ = false;
    bool draggingMode_ = false;
    int savedPriority_ = 0;
    CXPoint lastPoint_;
    CXPoint startPosition_;
    CControl* draggedControl_ = nullptr;
    std::shared_ptr<const bool> draggedControlAlive_;
    CGraphicsObject* draggedGraphics_ = nullptr;
    CApplication* application_;
    CXString background_;
    CWindow* window_;
    CMC_Scene* scene_ = nullptr;
    int returnCode_ = 0;
    bool active_ = false;
    bool updated_ = false;
    CResourcesManager* resources_;
    std::unique_ptr<CRandomPlayable> randomPlayables_;
    CXArray returnPath_;
    CXString music_;
    CGraphicsRef cursor_;
    std::vector<std::unique_ptr<CEditBox6>> editBoxes_;
    CEditBox6* activeEditBox_ = nullptr;
};
