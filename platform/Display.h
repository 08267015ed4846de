#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

class HostWindow;

// Answers of the display's operations; 0 is success. The window keeps them as its error code.
struct DisplayResult {
    static constexpr int Ok = 0;
    // The surface's memory was taken away: restore it, then draw into it again.
    static constexpr int SurfaceLost = int(0x887601C2u);
    static constexpr int StillDrawing = int(0x8876021Cu);
    // The display cannot show that size or number of bits per pixel.
    static constexpr int ModeRefused = -1001;
    // No display to open: no video device, or no window to show it in.
    static constexpr int NoDisplay = -1002;
    // Not enough memory of the kind asked for.
    static constexpr int OutOfMemory = -1003;
    // An operation on a display that is not open.
    static constexpr int NotOpen = -1004;
};

// A rectangle of pixels; left and top included, right and bottom excluded.
struct DisplayRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const DisplayRect&) const = default;
};

// The pixel format of a display and of its surfaces.
struct DisplayFormat {
    int bitsPerPixel = 16;
    uint32_t redMask = 0xF800;
    uint32_t greenMask = 0x07E0;
    uint32_t blueMask = 0x001F;

    int bytesPerPixel() const { return (bitsPerPixel + 7) / 8; }
    uint32_t colourMask() const { return redMask | greenMask | blueMask; }
};

// Pixels the display holds: its screen, the screen's back buffer, or an off-screen surface. The
// memory stays where it is for the surface's whole life and its rows have no gaps, so a pointer
// taken once may be drawn through without locking. A surface can be lost (the display took its
// contents away); while lost, copies to and from it fail until it is restored, and a restored
// surface holds no picture until it is drawn again.
class DisplaySurface {
public:
    DisplaySurface(int width, int height, int bytesPerPixel, bool videoMemory);
    DisplaySurface(const DisplaySurface&) = delete;
    DisplaySurface& operator=(const DisplaySurface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    int bytesPerPixel() const { return bytesPerPixel_; }
    int pitchBytes() const { return width_ * bytesPerPixel_; }
    bool inVideoMemory() const { return videoMemory_; }
    DisplayRect bounds() const { return DisplayRect{0, 0, width_, height_}; }

    // The first pixel; SurfaceLost while lost.
    int lock(uint8_t** pixels, int* pitchBytes);
    void unlock() {}
    bool isLost() const { return lost_; }
    int restore();
    // The display takes the contents away; restoring leaves this byte in every pixel.
    void lose(uint8_t leftover);

    // Null when the memory could not be had.
    uint8_t* pixels() { return pixels_.get(); }
    const uint8_t* pixels() const { return pixels_.get(); }

private:
    size_t byteSize() const { return size_t(width_) * size_t(height_) * size_t(bytesPerPixel_); }

    int width_;
    int height_;
    int bytesPerPixel_;
    bool videoMemory_;
    bool lost_ = false;
    uint8_t leftover_ = 0;
    std::unique_ptr<uint8_t[]> pixels_;
};

// The display: a screen of a fixed size shown in the host window (windowed, or full screen on the
// desktop's own mode, scaled), its pixel format, and the copies that bring finished pictures to
// it. Main thread only.
class Display {
public:
    virtual ~Display() = default;

    // The window's client area as the screen, in the display's own format.
    virtual int openWindowed(HostWindow* window, int width, int height) = 0;
    // The whole desktop as the screen, at the bits per pixel asked for if the display can; with
    // page flipping, a back buffer when the display gives one.
    virtual int openFullScreen(HostWindow* window, int width, int height, int bitsPerPixel, bool pageFlipping) = 0;
    // Surfaces made by the display must be gone first.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual bool isFullScreen() const = 0;
    virtual DisplayFormat format() const = 0;

    // Null while closed; the back buffer null without page flipping.
    virtual DisplaySurface* primary() = 0;
    virtual DisplaySurface* backBuffer() = 0;
    // An off-screen surface in the display's format; null with the reason in `result`.
    virtual std::unique_ptr<DisplaySurface> createSurface(int width, int height, bool videoMemory, int& result) = 0;

    // Copies the source rectangle onto the target rectangle, scaling when their sizes differ; null
    // rectangles are whole surfaces. Both are clipped to their surfaces.
    virtual int blit(DisplaySurface& target, const DisplayRect* targetRect, DisplaySurface& source, const DisplayRect* sourceRect) = 0;
    // Copies the source rectangle unscaled with its top-left at (x, y), clipped to both surfaces.
    virtual int blitAt(DisplaySurface& target, int x, int y, DisplaySurface& source, const DisplayRect* sourceRect) = 0;
    // A pixel of the display's format into the rectangle (null: the whole surface).
    virtual int fill(DisplaySurface& target, const DisplayRect* rect, uint32_t pixel) = 0;
    // The back buffer becomes what the screen shows.
    virtual int flip() = 0;
    virtual void waitForVerticalBlank() = 0;

    // Called every turn: shows what the screen holds once its pixels changed, at most once per
    // refresh of the desktop, without waiting for it. `exposed` shows it again even unchanged.
    virtual void present(bool exposed) = 0;

    // A display of the same kind for a second window (the mirror of the screen), closed until it
    // is opened there. Copies between the surfaces of the two work both ways.
    virtual std::unique_ptr<Display> createSecondDisplay() = 0;
};

// The display of the process: SDL unless one was installed.
Display& display();
// Installs a display for the whole process (tests); null restores the SDL one.
void setDisplay(Display* replacement);

} // namespace platform
