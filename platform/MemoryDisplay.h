#pragma once

#include "platform/Display.h"

namespace platform {

// A display whose screen and surfaces are plain memory: the copies, fills and flips every backend
// shares. A backend says which modes it can show and brings the screen's pixels to the desktop.
class MemoryDisplay : public Display {
public:
    int openWindowed(HostWindow* window, int width, int height) override;
    int openFullScreen(HostWindow* window, int width, int height, int bitsPerPixel, bool pageFlipping) override;
    void close() override;
    bool isOpen() const override { return primary_ != nullptr; }
    bool isFullScreen() const override { return fullScreen_; }
    DisplayFormat format() const override { return format_; }
    DisplaySurface* primary() override { return primary_.get(); }
    DisplaySurface* backBuffer() override { return back_.get(); }
    std::unique_ptr<DisplaySurface> createSurface(int width, int height, bool videoMemory, int& result) override;
    int blit(DisplaySurface& target, const DisplayRect* targetRect, DisplaySurface& source, const DisplayRect* sourceRect) override;
    int blitAt(DisplaySurface& target, int x, int y, DisplaySurface& source, const DisplayRect* sourceRect) override;
    int fill(DisplaySurface& target, const DisplayRect* rect, uint32_t pixel) override;
    int flip() override;
    void waitForVerticalBlank() override {}

protected:
    // The backend's side of opening: the screen's format, or why the mode cannot be shown.
    // bitsPerPixel is 0 for a window, which takes the desktop's format.
    virtual int openScreen(HostWindow* window, int width, int height, int bitsPerPixel, bool fullScreen, DisplayFormat& format) = 0;
    virtual void closeScreen() = 0;
    virtual bool givesBackBuffer() const = 0;
    virtual bool givesVideoMemory() const = 0;
    // Whether the screen's pixels may have changed since the last call.
    bool takeScreenChanged();

private:
    int open(HostWindow* window, int width, int height, int bitsPerPixel, bool fullScreen, bool pageFlipping);
    void noteWrite(const DisplaySurface& target);
    // Copies with both rectangles of the same size, already within their surfaces.
    void copyRows(DisplaySurface& target, int x, int y, const DisplaySurface& source, const DisplayRect& from);

    DisplayFormat format_;
    bool fullScreen_ = false;
    bool screenChanged_ = false;
    std::unique_ptr<DisplaySurface> primary_;
    std::unique_ptr<DisplaySurface> back_;
};

} // namespace platform
