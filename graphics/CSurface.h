#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXPoint.h"
#include "foundation/CXRect.h"
#include "foundation/CXSize.h"

#include <cstdint>

class CDirectDrawSurface;

namespace platform {
class DisplaySurface;
class HostWindow;
} // namespace platform

// The display device: the screen in the host window (windowed, or full screen with an optional
// back buffer to flip), its pixel format, and the copies that bring a finished frame to it. Each
// copy restores a lost surface and tries once more. There is one display at a time: making one
// opens the platform's display, deleting it closes it. The error code holds the display's answer
// to opening it (0 on success).
class CSurface : public CXObject {
public:
    // Windowed, the client area of that size in the desktop's format.
    CSurface(platform::HostWindow* window, CXSize size);
    // Full screen at bpp bits a pixel; the bits the display gave are written back.
    CSurface(CXSize& size, int& bpp, platform::HostWindow* window, bool pageFlipping);
    ~CSurface() override;
    CSurface(const CSurface&) = delete;
    CSurface& operator=(const CSurface&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int GetBPP() const { return bpp_; }
    // The screen's pixels as the last Lock gave them.
    uint8_t* GetScreenPtr() const { return screen_; }
    platform::DisplaySurface* GetPrimaryBufferInterface() const;
    platform::DisplaySurface* GetBackBufferInterface() const;
    bool IsFlippingEnabled() const { return GetBackBufferInterface() != nullptr; }
    bool isWindowMode() const { return windowMode_; }

    int Lock();
    void UnLock();
    // The back buffer is shown.
    int Flip();
    void waitForVB();

    // The source rectangle onto the screen's target rectangle (null rectangles are whole).
    int Blt(CDirectDrawSurface* source, CXRect* sourceRect, CXRect* targetRect);
    // The source rectangle onto the screen with its top-left at (x, y).
    int Blt(CDirectDrawSurface* source, int x, int y, CXRect* sourceRect);
    int Blt(CDirectDrawSurface* source, CXPoint at, CXRect* sourceRect);
    // Called every turn: the screen reaches the desktop at its refresh; `exposed` shows it again.
    void present(bool exposed);

private:
    void opened(int result);

    int width_;
    int height_;
    int bpp_;
    uint8_t* screen_;
    bool windowMode_;
};
