#pragma once

#include "platform/PixelImage.h"

#include <cstdint>
#include <string_view>

namespace platform {

// The small fixed-width font the platform's own dialogs write with: printable ASCII and the
// Polish letters of code page 1250, each in a cell of 6 by 11 dots (two rows for accents above
// the capitals, two for descenders below the baseline); other bytes show as '?'. Scale enlarges
// every dot to a square.
class BitmapFont {
public:
    static constexpr int CELL_WIDTH = 6;
    static constexpr int CELL_HEIGHT = 11;

    // The width of the text in pixels at that scale.
    static int width(std::string_view cp1250Text, int scale);
    // Writes the text with the top left corner of its first cell at (x, y); dots outside the
    // picture are left out.
    static void draw(PixelImage& image, std::string_view cp1250Text, int x, int y, int scale, uint32_t colour);
};

} // namespace platform
