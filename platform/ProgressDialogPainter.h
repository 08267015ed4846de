#pragma once

#include "platform/HostWindow.h"
#include "platform/PixelImage.h"

#include <string>
#include <vector>

namespace platform {

class ProgressDialogModel;

// How the platform's own progress dialog looks: the status line (wrapped at blanks onto a second
// line when it is too long), the bar below it and the push button at the bottom right.
class ProgressDialogPainter {
public:
    static constexpr int WIDTH = 612;
    static constexpr int HEIGHT = 164;

    static void paint(const ProgressDialogModel& dialog, PixelImage& image);
    // Whether the point lies on the button.
    static bool isOnButton(int x, int y);
    // The text's lines as shown: as many words on each as fit the width.
    static std::vector<std::string> wrap(const std::string& text, int width, int scale);

private:
    static void paintButton(const std::string& label, PixelImage& image);
};

} // namespace platform
