#pragma once

#include "graphics/CControl.h"
#include "graphics/CInvalidateObserver.h"
#include "graphics/CPlayableRef.h"

#include "foundation/CXPoint.h"
#include "foundation/CXRect.h"

#include <memory>
#include <vector>

class CButtonHotSpot;
class CGraphicsObject;
class CHotSpot;
class CMC_Button;
class CPlayable;
class CRefreshScreen;
class CScreenUnit;

// A push button: up to three looks on the screen (standard, on-move, on-click), of which the right
// one shows as the mouse enters, presses, releases and leaves; an on-move and an on-click sound;
// an area given by a rectangle or by the pixels of a graphics object; an optional drag through the
// scene unit; and the control notifications of each step. Its mouse input comes from a hot spot
// of its own. Sounds are any playables.
//
// The looks and sounds may belong to others (script objects) who delete them when they like: the
// button forgets a look the moment it is destroyed, and a sound once it is gone.
class CButton : public CControl, private CInvalidateObserver {
public:
    enum _soundtype { SOUND_ON_MOVE = 0, SOUND_ON_CLICK = 1 };
    enum _accent { ACCENT_STANDARD = 0, ACCENT_ON_MOVE = 1, ACCENT_ON_CLICK = 2 };

    // An empty rectangle makes the area the pixels of the standard look, once it is set.
    CButton(CWindow* window, CXRect rect, int id, CMC_Button* button);
    CButton(CWindow* window, int id, CMC_Button* button);
    // With the delete flags, deletes the looks and the sounds, unless a clone still uses them.
    ~CButton() override;

    // A button with the same looks, sounds and flags, identifier 0 and an empty area; the looks
    // and sounds stay with whichever of the two is destroyed last.
    CXObject* clone() const override;
    void SetID(int id) override;
    void Enable(bool enabled) override;

    virtual int getPriority();
    virtual void setPriority(int priority);
    virtual int GetID();
    // Holds the on-move look as it is now.
    virtual void Freeze(bool frozen);
    virtual int OnMove(CXPoint point, int flags, void* parent);
    // Starts a drag when dragging is enabled, plays the on-click sound and tells of the click;
    // 1 when the scene unit took the drag.
    virtual int OnClick(CXPoint point, int flags, void* parent);
    // Off, but the standard look stays.
    virtual void DisableButVisible();
    // Takes the pointer where it is now into account, as a move there would for this button
    // alone: entering when it rests over the button, leaving when it left it.
    void SYN();

    bool Set(CGraphicsObject* standard, void* parent, bool removeOld, bool alpha);
    bool SetOnMove(CGraphicsObject* look, CPlayable* sound);
    bool SetOnClick(CGraphicsObject* look, CPlayable* sound);
    void SetSound(_soundtype type, CPlayable* sound);
    void Accent(_accent look, bool alpha);
    void Accent(CGraphicsObject* area, bool alpha);
    bool SetActiveRect(CXRect rect);
    void Move(int dx, int dy);
    void Move(CXPoint delta) { Move(delta.x, delta.y); }
    // Shows the pressed look (true) or takes it off; answers `pressed`.
    bool Force(bool pressed);

    void setUnit(CScreenUnit* unit);
    void EnableCursor(bool cursor);
    void setMCButton(CMC_Button* button);

    CGraphicsObject* GetStandard() const { return standard_; }
    CGraphicsObject* GetOnMove() const { return onMove_; }
    CGraphicsObject* GetOnClick() const { return onClick_; }
    CPlayable* GetSOOnMove() const { return onMoveSound_.get(); }
    CPlayable* GetSOOnClick() const { return onClickSound_.get(); }
    CGraphicsObject* GetDragging() const { return dragging_; }
    void SetDragging(CGraphicsObject* dragging);
    CXPoint getClick() const { return click_; }
    void SetDeleteFlags(bool graphics, bool sounds);
    void HideStandardWhileOnMove(bool hide) { hideStandardWhileOnMove_ = hide; }
    void LockSound(bool locked) { soundLocked_ = locked; }
    bool IsSoundLocked() const { return soundLocked_; }
    void SetPlaySoundOnlyWhenSilence(bool onlyWhenSilent) { playOnlyWhenSilent_ = onlyWhenSilent; }
    void EnableDragging(bool enabled) { draggingEnabled_ = enabled; }
    bool IsDraggingEnabled() const { return draggingEnabled_; }
    CHotSpot* getHotSpot() const;

    static void _release(CButton* button) { delete button; }

private:
    friend class CButtonHotSpot;

    // Force, with the on-click sound only when asked.
    void showPressed(bool pressed, bool withSound);
    // A sound may play unless locked, or unless it should wait for silence in a scene.
    bool soundAllowed(const CPlayable* sound) const;
    // A look shown only in one state: on the screen, hidden. Null keeps the one there is.
    void setHiddenLook(CGraphicsObject*& slot, CGraphicsObject* look);
    void put(CGraphicsObject* graphics);
    void takeOff(CGraphicsObject* graphics);
    static void show(CGraphicsObject* graphics, bool visible);
    // The looks and sounds are this button's alone, not shared with a clone still alive.
    bool ownsMedia() const { return !sharedMedia_ || sharedMedia_.use_count() == 1; }
    // Hears of exactly the pictures it holds now (looks, accent, dragged, the hot spot's area).
    void watchLooks();
    void unwatchLooks();
    void onInvalidate(CGraphicsObject*, CXRect*) override {}
    // A picture being destroyed leaves every place of the button.
    void onDestroy(CGraphicsObject* graphics) override;

    CXRect rect_;
    bool pressed_ = false;
    bool frozen_ = false;
    bool soundLocked_ = false;
    bool deleteGraphics_ = true;
    bool deleteSounds_ = false;
    bool hideStandardWhileOnMove_ = true;
    CRefreshScreen* screen_;
    CGraphicsObject* standard_ = nullptr;
    CGraphicsObject* onMove_ = nullptr;
    CGraphicsObject* onClick_ = nullptr;
    CGraphicsObject* accent_ = nullptr;
    CGraphicsObject* dragging_ = nullptr;
    CXPoint click_;
    CPlayableRef<CPlayable> onMoveSound_;
    CPlayableRef<CPlayable> onClickSound_;
    void* parent_ = nullptr;
    bool playOnlyWhenSilent_ = false;
    bool draggingEnabled_ = false;
    std::unique_ptr<CButtonHotSpot> hotSpot_;
    // Shared by a button and its clones while they use the same looks and sounds.
    mutable std::shared_ptr<void> sharedMedia_;
    std::vector<CGraphicsObject*> watched_;
};
