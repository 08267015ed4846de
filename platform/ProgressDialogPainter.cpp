#include "platform/ProgressDialogPainter.h"

#include "platform/BitmapFont.h"
#include "platform/ProgressDialogModel.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kScale = 2;
constexpr int kMargin = 14;
constexpr int kLineHeight = BitmapFont::CELL_HEIGHT * kScale;
constexpr int kStatusLines = 2;
constexpr ScreenRect kBar{kMargin, 62, ProgressDialogPainter::WIDTH - kMargin, 86};
constexpr ScreenRect kButton{ProgressDialogPainter::WIDTH - kMargin - 160, 108, ProgressDialogPainter::WIDTH - kMargin, 150};

constexpr uint32_t kFace = 0xFFF0F0F0;
constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kEdge = 0xFF707070;
constexpr uint32_t kWell = 0xFFFFFFFF;
constexpr uint32_t kFill = 0xFF2F6FD0;
constexpr uint32_t kButtonFace = 0xFFDDDDDD;

void frame(PixelImage& image, const ScreenRect& rect, uint32_t inside)
{
    image.fillRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, kEdge);
    image.fillRect(rect.left + 1, rect.top + 1, rect.right - rect.left - 2, rect.bottom - rect.top - 2, inside);
}

} // namespace

void ProgressDialogPainter::paint(const ProgressDialogModel& dialog, PixelImage& image)
{
    image.fillRect(0, 0, image.width, image.height, kFace);
    const std::vector<std::string> lines = wrap(dialog.status(), WIDTH - 2 * kMargin, kScale);
    for (size_t i = 0; i < lines.size() && i < size_t(kStatusLines); ++i)
        BitmapFont::draw(image, lines[i], kMargin, kMargin + int(i) * kLineHeight, kScale, kText);
    frame(image, kBar, kWell);
    const int inner = kBar.right - kBar.left - 4;
    image.fillRect(kBar.left + 2, kBar.top + 2, inner * dialog.progress() / 100, kBar.bottom - kBar.top - 4, kFill);
    paintButton(dialog.button(), image);
}

void ProgressDialogPainter::paintButton(const std::string& label, PixelImage& image)
{
    frame(image, kButton, kButtonFace);
    const int textX = (kButton.left + kButton.right - BitmapFont::width(label, kScale)) / 2;
    const int textY = (kButton.top + kButton.bottom - kLineHeight) / 2;
    BitmapFont::draw(image, label, textX, textY, kScale, kText);
}

bool ProgressDialogPainter::isOnButton(int x, int y)
{
    return x >= kButton.left && x < kButton.right && y >= kButton.top && y < kButton.bottom;
}

std::vector<std::string> ProgressDialogPainter::wrap(const std::string& text, int width, int scale)
{
    const size_t perLine = size_t(std::max(1, width / (BitmapFont::CELL_WIDTH * scale)));
    std::vector<std::string> lines;
    size_t start = 0;
    while (text.size() - start > perLine) {
        // The last blank that lets the line fit; a word longer than a line is cut.
        size_t cut = text.rfind(' ', start + perLine);
        if (cut == std::string::npos || cut <= start)
            cut = start + perLine;
        lines.push_back(text.substr(start, cut - start));
        start = text[cut] == ' ' ? cut + 1 : cut;
    }
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace platform
