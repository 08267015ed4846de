#include "graphics/CPrinter.h"

#include "graphics/CSurface.h"
#include "graphics/CWindow.h"
#include "platform/Display.h"

#include <algorithm>
#include <bit>

namespace {

// One channel of a display pixel, widened to 8 bits by repeating its bits, so that full
// brightness stays full on paper.
class Channel {
public:
    explicit Channel(uint32_t mask) : mask_(mask), shift_(mask != 0 ? std::countr_zero(mask) : 0), bits_(std::popcount(mask)) {}

    uint8_t of(uint32_t pixel) const
    {
        if (bits_ == 0)
            return 0;
        const uint32_t value = (pixel & mask_) >> shift_;
        if (bits_ >= 8)
            return static_cast<uint8_t>(value >> (bits_ - 8));
        uint32_t wide = value << (8 - bits_);
        for (int filled = bits_; filled < 8; filled += bits_)
            wide |= wide >> bits_;
        return static_cast<uint8_t>(wide);
    }

private:
    uint32_t mask_;
    int shift_;
    int bits_;
};

uint32_t pixelAt(const uint8_t* at, int bytesPerPixel)
{
    uint32_t pixel = 0;
    for (int i = 0; i < bytesPerPixel; ++i)
        pixel |= uint32_t(at[i]) << (8 * i);
    return pixel;
}

} // namespace

CPrinter::CPrinter(CWindow* window, CXRect rect) : window_(window)
{
    device_ = platform::printer().choose(window_ != nullptr ? window_->GetHwnd() : nullptr);
    if (device_ == nullptr)
        return;
    device_->setLandscape(true);
    if (device_->startDocument(kDocumentName)) {
        print(rect);
        device_->endDocument();
    }
    device_.reset();
}

CPrinter::~CPrinter() = default;

CXRect CPrinter::placeOnPage(CXSize picture, CXSize page)
{
    if (picture.cx <= 0 || picture.cy <= 0 || page.cx <= 0 || page.cy <= 0)
        return CXRect();
    const double ratio = double(picture.cx) / double(picture.cy);
    int width = page.cx;
    int height = page.cy;
    if (ratio > double(page.cx) / double(page.cy))
        height = static_cast<int>(page.cx / ratio);
    else
        width = static_cast<int>(ratio * page.cy);
    const int left = (page.cx - width) / 2;
    const int top = (page.cy - height) / 2;
    return CXRect(left, top, left + width, top + height);
}

int CPrinter::print(CXRect rect)
{
    if (device_ == nullptr)
        return 0;
    const platform::ScreenSize area = device_->pageArea();
    const CXRect placed = placeOnPage(CXSize(rect.Width(), rect.Height()), CXSize(area.width, area.height));
    std::unique_ptr<platform::RgbPicture> picture = GetImageBitmap(rect);
    if (picture == nullptr || !device_->startPage())
        return 0;
    device_->drawPicture(*picture, platform::ScreenRect{placed.left, placed.top, placed.right, placed.bottom});
    // The page keeps what it needs of the picture.
    picture.reset();
    return device_->endPage() ? 1 : 0;
}

std::unique_ptr<platform::RgbPicture> CPrinter::_init24bitdibsection(unsigned long width, unsigned long height)
{
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide)
        return nullptr;
    auto picture = std::make_unique<platform::RgbPicture>();
    picture->width = static_cast<int>(width);
    picture->height = static_cast<int>(height);
    picture->pixels.assign(size_t(width) * size_t(height) * 3, 0);
    return picture;
}

std::unique_ptr<platform::RgbPicture> CPrinter::GetImageBitmap(CXRect rect)
{
    CSurface* display = window_ != nullptr ? window_->GetSurface() : nullptr;
    if (display == nullptr || rect.Width() <= 0 || rect.Height() <= 0)
        return nullptr;
    std::unique_ptr<platform::RgbPicture> picture = _init24bitdibsection(rect.Width(), rect.Height());
    if (picture == nullptr)
        return nullptr;
    window_->Invalidate();
    window_->Redraw(true);
    if (display->Lock() != platform::DisplayResult::Ok)
        return nullptr;
    const platform::DisplaySurface* screen = display->GetPrimaryBufferInterface();
    const platform::DisplayFormat format = display->GetPixelFormat();
    const Channel red(format.redMask);
    const Channel green(format.greenMask);
    const Channel blue(format.blueMask);
    const int size = screen->bytesPerPixel();
    // Only the part of the rectangle that lies on the screen has pixels to take.
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, screen->width());
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, screen->height()); ++y) {
        const uint8_t* from = screen->pixels() + size_t(y) * screen->pitchBytes() + size_t(left) * size;
        uint8_t* to = picture->pixels.data() + (size_t(y - rect.top) * picture->width + size_t(left - rect.left)) * 3;
        for (int x = left; x < right; ++x, from += size, to += 3) {
            const uint32_t pixel = pixelAt(from, size);
            to[0] = red.of(pixel);
            to[1] = green.of(pixel);
            to[2] = blue.of(pixel);
        }
    }
    display->UnLock();
    return picture;
}
