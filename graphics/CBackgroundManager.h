#pragma once

#include "foundation/CXObject.h"
#include "graphics/CRefreshScreen.h"

#include <memory>

class CColor;
class CDirectDrawSurface;
class CGraphicsObject;
class CRefreshRegion;
class CWindow;

// What lies behind every object on the screen: a colour, a picture or a surface, drawn once into
// a surface of its own and copied into the dirty rectangles of each frame. A background may be
// larger than the screen and scroll with wrap-around: its position is the point of it shown at
// the screen's top-left corner. No background paints nothing.
class CRefreshScreen::CBackgroundManager : public CXObject {
public:
    enum ScrollMode { PLAIN = 0, WRAP_HORIZONTAL = 1, WRAP_VERTICAL = 2, WRAP_BOTH = 3 };

    CBackgroundManager(CWindow* window, CRefreshScreen* screen);
    ~CBackgroundManager() override;

    // A screen-sized surface of the colour; null is (7, 7, 7).
    void SetBackground(CColor* color);
    // A surface holding a drawing of the object (drawn again when the surface is lost); null
    // removes the background.
    void SetBackground(CGraphicsObject* object);
    // Takes the surface and owns it.
    void setBackground(CDirectDrawSurface* surface);
    CDirectDrawSurface* getBkg() const { return surface_.get(); }
    int getScrollMode() const { return mode_; }

    // Paints the background into every rectangle of the region.
    void Redraw(CDirectDrawSurface* target, CRefreshRegion* region);

private:
    // Wider and taller than the screen wraps both ways; as high wraps across, as wide up and
    // down; anything else is plain.
    void checkScrollMode();
    void paint(CDirectDrawSurface* target, const CXRect& dirty, int offsetX, int offsetY);
    CXSize screenSize() const;

    CWindow* window_;
    CRefreshScreen* screen_;
    std::unique_ptr<CDirectDrawSurface> surface_;
    int mode_;
};
