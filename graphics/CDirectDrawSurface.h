#pragma once

#include "graphics/CGraphicsObject.h"
#include "platform/Display.h"

#include <memory>

// A graphics object whose pixels live in a surface of the display: the window's back surface,
// the screen's background, canvases. The pixel pointer is fetched once and kept, so drawing
// writes through it without locking. A lost surface is restored by the next copy, which draws
// the object remembered for restoring into it again.
class CDirectDrawSurface : public CGraphicsObject {
public:
    // No surface yet (subclasses make their own).
    explicit CDirectDrawSurface(CWindow* window);
    // Wraps the display's surface (kept by the display); with null, makes an off-screen surface
    // in video memory where the window allows it.
    CDirectDrawSurface(CWindow* window, platform::DisplaySurface* surface, CXSize size, int bpp);
    // An off-screen surface of that size; its clipping rectangle is the whole surface.
    CDirectDrawSurface(CWindow* window, CXSize size, int bpp, bool preferVideoMemory);
    ~CDirectDrawSurface() override;

    platform::DisplaySurface* GetDirectDrawSurfaceInterface() const { return surface_; }
    // Wraps another surface (kept by its owner); the pixel pointer is fetched again.
    void SetDirectDrawSurfaceInterface(platform::DisplaySurface* surface);
    uint8_t* GetDataPtr() override;
    // Forgets the kept pixel pointer, so the next GetDataPtr fetches it again.
    void dropDataPtr() { SetDataPtr(nullptr); }
    void Release();
    // The object drawn into this surface again after it was lost.
    void applyToRestore(CGraphicsObject* object) { applied_ = object; }
    CGraphicsObject* getApplied() const { return applied_; }

    // The source rectangle (null: all) with its top-left at (x, y). A rectangle larger than the
    // source copies the whole source centred in a box of the rectangle's size at (0, 0).
    int Blt(CDirectDrawSurface* source, int x, int y, CXRect* sourceRect);
    int Blt(CDirectDrawSurface* source, CXPoint at, CXRect* sourceRect);
    // The source rectangle onto the target rectangle, scaled when their sizes differ.
    int Blt(CDirectDrawSurface* source, CXRect* sourceRect, CXRect* targetRect);

    void Fill(CColor* color) override;
    void Fill(CXRect rect, CColor* color) override;
    // The part of the surface that lies on its destiny is copied there.
    void Redraw() override;

    // A rectangle of the engine as the display's; null is the whole surface.
    static platform::DisplayRect toDisplayRect(const CXRect* rect, const platform::DisplaySurface& surface);

protected:
    virtual void create_surface(bool preferVideoMemory);

private:
    // Restores this surface after a copy met a lost one, and draws the remembered object into it.
    void restoreFromApplied(CGraphicsObject* applied);
    int fillRect(const platform::DisplayRect* rect, CColor* color);

    CGraphicsObject* applied_;
    platform::DisplaySurface* surface_;
    std::unique_ptr<platform::DisplaySurface> ownSurface_;
};
