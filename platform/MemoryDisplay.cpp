#include "platform/MemoryDisplay.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// Surfaces beyond this many pixels a side are refused rather than attempted.
constexpr int kMaxSide = 16384;

DisplayRect intersection(const DisplayRect& a, const DisplayRect& b)
{
    return DisplayRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool hasArea(const DisplayRect& r)
{
    return r.right > r.left && r.bottom > r.top;
}

void storePixel(uint8_t* at, uint32_t pixel, int bytesPerPixel)
{
    for (int i = 0; i < bytesPerPixel; ++i)
        at[i] = uint8_t(pixel >> (8 * i));
}

} // namespace

int MemoryDisplay::openWindowed(HostWindow* window, int width, int height)
{
    return open(window, width, height, 0, false, false);
}

int MemoryDisplay::openFullScreen(HostWindow* window, int width, int height, int bitsPerPixel, bool pageFlipping)
{
    return open(window, width, height, bitsPerPixel, true, pageFlipping);
}

int MemoryDisplay::open(HostWindow* window, int width, int height, int bitsPerPixel, bool fullScreen, bool pageFlipping)
{
    close();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return DisplayResult::ModeRefused;
    DisplayFormat format;
    int result = openScreen(window, width, height, bitsPerPixel, fullScreen, format);
    if (result != DisplayResult::Ok)
        return result;
    format_ = format;
    fullScreen_ = fullScreen;
    primary_ = std::make_unique<DisplaySurface>(width, height, format.bytesPerPixel(), true);
    if (pageFlipping && givesBackBuffer())
        back_ = std::make_unique<DisplaySurface>(width, height, format.bytesPerPixel(), true);
    if (primary_->pixels() == nullptr || (back_ != nullptr && back_->pixels() == nullptr)) {
        close();
        return DisplayResult::OutOfMemory;
    }
    screenChanged_ = true;
    return DisplayResult::Ok;
}

void MemoryDisplay::close()
{
    if (primary_ == nullptr)
        return;
    back_.reset();
    primary_.reset();
    fullScreen_ = false;
    closeScreen();
}

std::unique_ptr<DisplaySurface> MemoryDisplay::createSurface(int width, int height, bool videoMemory, int& result)
{
    result = DisplayResult::Ok;
    if (!isOpen())
        result = DisplayResult::NotOpen;
    else if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || (videoMemory && !givesVideoMemory()))
        result = DisplayResult::OutOfMemory;
    if (result != DisplayResult::Ok)
        return nullptr;
    auto surface = std::make_unique<DisplaySurface>(width, height, format_.bytesPerPixel(), videoMemory);
    if (surface->pixels() == nullptr) {
        result = DisplayResult::OutOfMemory;
        return nullptr;
    }
    return surface;
}

bool MemoryDisplay::takeScreenChanged()
{
    bool changed = screenChanged_;
    screenChanged_ = false;
    return changed;
}

void MemoryDisplay::noteWrite(const DisplaySurface& target)
{
    if (&target == primary_.get())
        screenChanged_ = true;
}

void MemoryDisplay::copyRows(DisplaySurface& target, int x, int y, const DisplaySurface& source, const DisplayRect& from)
{
    int size = target.bytesPerPixel();
    size_t rowBytes = size_t(from.width()) * size;
    auto rowOf = [size](auto& surface, int column, int row) { return surface.pixels() + (size_t(row) * surface.width() + column) * size; };
    // A surface copied onto itself lower down is walked from the bottom, so no row is read after
    // it was overwritten.
    bool upwards = &target == &source && y > from.top;
    for (int i = 0; i < from.height(); ++i) {
        int row = upwards ? from.height() - 1 - i : i;
        std::memmove(rowOf(target, x, y + row), rowOf(source, from.left, from.top + row), rowBytes);
    }
    noteWrite(target);
}

int MemoryDisplay::blitAt(DisplaySurface& target, int x, int y, DisplaySurface& source, const DisplayRect* sourceRect)
{
    if (target.isLost() || source.isLost())
        return DisplayResult::SurfaceLost;
    if (target.bytesPerPixel() != source.bytesPerPixel())
        return DisplayResult::ModeRefused;
    DisplayRect from = sourceRect != nullptr ? *sourceRect : source.bounds();
    // Cut the part outside the source, then the part that would land outside the target.
    DisplayRect inside = intersection(from, source.bounds());
    int64_t left = int64_t(x) + (inside.left - from.left);
    int64_t top = int64_t(y) + (inside.top - from.top);
    int64_t cutLeft = std::max<int64_t>(0, -left);
    int64_t cutTop = std::max<int64_t>(0, -top);
    inside.left = int(std::min<int64_t>(inside.left + cutLeft, inside.right));
    inside.top = int(std::min<int64_t>(inside.top + cutTop, inside.bottom));
    left += cutLeft;
    top += cutTop;
    inside.right = int(std::min<int64_t>(inside.right, inside.left + std::max<int64_t>(0, target.width() - left)));
    inside.bottom = int(std::min<int64_t>(inside.bottom, inside.top + std::max<int64_t>(0, target.height() - top)));
    if (hasArea(inside))
        copyRows(target, int(left), int(top), source, inside);
    return DisplayResult::Ok;
}

int MemoryDisplay::blit(DisplaySurface& target, const DisplayRect* targetRect, DisplaySurface& source, const DisplayRect* sourceRect)
{
    DisplayRect to = targetRect != nullptr ? *targetRect : target.bounds();
    DisplayRect from = sourceRect != nullptr ? *sourceRect : source.bounds();
    if (to.width() == from.width() && to.height() == from.height())
        return blitAt(target, to.left, to.top, source, &from);
    if (target.isLost() || source.isLost())
        return DisplayResult::SurfaceLost;
    if (target.bytesPerPixel() != source.bytesPerPixel())
        return DisplayResult::ModeRefused;
    from = intersection(from, source.bounds());
    if (!hasArea(from) || !hasArea(to))
        return DisplayResult::Ok;
    // Scaled: each target pixel takes the nearest source pixel.
    int size = target.bytesPerPixel();
    DisplayRect drawn = intersection(to, target.bounds());
    for (int y = drawn.top; y < drawn.bottom; ++y) {
        int sy = from.top + int(int64_t(y - to.top) * from.height() / to.height());
        for (int x = drawn.left; x < drawn.right; ++x) {
            int sx = from.left + int(int64_t(x - to.left) * from.width() / to.width());
            std::memcpy(target.pixels() + (size_t(y) * target.width() + x) * size,
                        source.pixels() + (size_t(sy) * source.width() + sx) * size, size_t(size));
        }
    }
    noteWrite(target);
    return DisplayResult::Ok;
}

int MemoryDisplay::fill(DisplaySurface& target, const DisplayRect* rect, uint32_t pixel)
{
    if (target.isLost())
        return DisplayResult::SurfaceLost;
    DisplayRect area = intersection(rect != nullptr ? *rect : target.bounds(), target.bounds());
    int size = target.bytesPerPixel();
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            storePixel(target.pixels() + (size_t(y) * target.width() + x) * size, pixel, size);
    }
    noteWrite(target);
    return DisplayResult::Ok;
}

int MemoryDisplay::flip()
{
    if (back_ == nullptr)
        return DisplayResult::NotOpen;
    return blitAt(*primary_, 0, 0, *back_, nullptr);
}

} // namespace platform
