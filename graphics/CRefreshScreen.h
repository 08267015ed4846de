#pragma once

#include "graphics/CGraphicsObject.h"

#include <memory>
#include <vector>

class CCanvasObserver;
class CColor;
class CDirectDrawSurface;
class CRefreshRegion;
class CSurface;
class CValidationElement;
class CValidationQuene;

// The screen: the graphics objects shown, each with a drawing priority, the background behind
// them, and the dirty rectangles to draw again. Each frame paints the background into the dirty
// rectangles and then every visible object that touches one, in ascending priority (equal
// priorities in the order they were put), clipped to them; nothing is drawn where nothing was
// invalidated. It never owns the objects it shows: an object taken off (or deleted) leaves it.
class CRefreshScreen : public CGraphicsObject {
public:
    class CBackgroundManager;

    // With a local destination the screen draws into a surface of its own (Redraw()).
    CRefreshScreen(CWindow* window, bool localDestination);
    ~CRefreshScreen() override;

    // Puts an object on the screen (once) and invalidates it; null is ignored.
    void put(CGraphicsObject* object, int priority);
    CRefreshScreen& operator<<(CGraphicsObject* object);
    // Takes it off without invalidating anything.
    CRefreshScreen& operator>>(CGraphicsObject* object);
    // Moves it behind every other object of that priority; nothing is invalidated.
    void SetPriority(CGraphicsObject* object, int priority);
    // -1 when not listed.
    int GetPriority(CGraphicsObject* object);
    int getIndex(CGraphicsObject* object);
    using CGraphicsObject::GetFlags;
    using CGraphicsObject::SetFlags;
    int GetFlags(CGraphicsObject* object);
    // A null object sets the screen's own flags (2: the frame turns grey).
    bool SetFlags(CGraphicsObject* object, int flags);
    void Empty();
    // Every listed object shows or hides.
    void Visible(bool visible) override;

    // The rectangle, cut to the screen, becomes dirty; null makes the whole screen dirty.
    using CGraphicsObject::Invalidate;
    void Invalidate(CXRect* rect) override;
    // A visible listed object's box becomes dirty.
    void Invalidate(CGraphicsObject* object);
    void validate();
    CRefreshRegion* getRefreshList() const { return region_.get(); }
    int getRefreshCounter() const { return refreshCounter_; }
    // The surface the last frame was drawn into.
    CDirectDrawSurface* getRefreshDestiny() const { return destination_; }

    // One frame into the target; true when anything was dirty. The first frame of a new scene
    // asks its unit to start it and sets *wholeScreen, so the next frame is whole again.
    bool Redraw(CDirectDrawSurface* target, CSurface* display, bool* wholeScreen);
    // With a local destination, a frame into it.
    void Redraw() override;
    CDirectDrawSurface* GetLocalDestiny() const { return localDestination_.get(); }

    void SetBackground(CGraphicsObject* object);
    void SetBackground(CColor* color);
    // The picture of an image file, which the screen keeps until flush() or the next file; a file
    // that does not load leaves the background as it was.
    void SetBackground(const CXString& file);
    // Deletes the picture loaded for the background; the background itself is the caller's to
    // replace.
    void flush();
    void setBackground(CDirectDrawSurface* surface);
    CDirectDrawSurface* getBackgroundIfc() const;

    void addNotifier(CCanvasObserver* observer);
    void removeNotifier(CCanvasObserver* observer);
    void enableNotifyFlag(bool notify) { notify_ = notify; }
    // 0 onInitialUpdate, 1 onUpdate, 2 onUpdated, 3 onFocusOn, 4 onFocusOff, 5 onInitialUpdated.
    void notify(int code);
    virtual void onFocusOn();
    virtual void onFocusOff();

    // The listed object at the point with the highest priority (of equal ones the later), within
    // the bounds (negative: none); unless boundsOnly, a picture with an alpha plane must not be
    // transparent there. Null when none.
    virtual CGraphicsObject* getGraphicsAt(int x, int y, bool visibleOnly, int minPriority, int maxPriority, bool boundsOnly);

    // A listed object being destroyed leaves the list.
    void onDestroy(CGraphicsObject* object) override;
    // The last frame drawn, as an image file; nothing before the first frame.
    using CGraphicsObject::Save;
    void Save(const CXString& name, _compression code) override;

private:
    bool drawingPass(CDirectDrawSurface* target);
    // Draws the element's object where the pass needs it.
    void drawElement(CValidationElement* element, CDirectDrawSurface* target);
    // The part of the object's box inside the screen, when it lies wholly in one dirty rectangle.
    bool dirtyWhole(const CXRect& part) const;
    CXRect screenRect();

    CDirectDrawSurface* destination_;
    int screenFlags_;
    int refreshCounter_;
    std::unique_ptr<CDirectDrawSurface> localDestination_;
    std::unique_ptr<CRefreshRegion> region_;
    std::vector<CCanvasObserver*> observers_;
    bool notify_;
    std::unique_ptr<CBackgroundManager> background_;
    std::unique_ptr<CGraphicsObject> loadedBackground_;
    std::unique_ptr<CValidationQuene> drawList_;
};
