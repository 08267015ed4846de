#pragma once

#include "Rgba.h"

#include <string>

class DemoFolder;
class Raster;

// The pieces of the demo's surface: buttons in their three looks, counters' digits and captions.
class Widgets {
public:
    // Three pictures of a rounded button with its label, for a BUTTON object's standard, hover and
    // pressed looks, standing with their top left corner at (x, y): "<name>_std.img",
    // "<name>_move.img" and "<name>_click.img".
    static void button(DemoFolder& folder, const std::string& name, const std::string& label, int x, int y, int width, int height,
                       Rgba base);
    // An animation of one event "DIGITS" whose ten frames are the digits 0 to 9, standing at (x, y).
    static void digits(DemoFolder& folder, const std::string& file, int x, int y, int scale);
    // Light text with a dark outline and shadow, centred on x.
    static void caption(Raster& raster, const std::string& text, float centreX, float y, int scale);

private:
    enum class Look { Standard, Hover, Pressed };
    static Raster buttonLook(const std::string& label, int width, int height, Rgba base, Look look);
};
