#pragma once

// A live scene of media objects: the engine-host harness with picture files written into the
// game's data folder, script text for ANIMO and IMAGE objects, and the pointer driven through
// the window as the mouse poller would.

#include "application/GameHost.h"
#include "graphics/AnimationBytes.h"
#include "graphics/ImageBytes.h"

#include "objects/CMC_Animo.h"
#include "objects/CMC_Image.h"

#include <string>

namespace objectstest {

using apptest::behaviour;
using graphicstest::Bytes;
using scripttest::declared;

// A plane of one 16-bit pixel, or of one alpha byte.
inline Bytes filledColour(int width, int height, uint16_t pixel)
{
    Bytes plane;
    for (int i = 0; i < width * height; ++i) {
        plane.push_back(uint8_t(pixel));
        plane.push_back(uint8_t(pixel >> 8));
    }
    return plane;
}

inline Bytes filledAlpha(int width, int height, uint8_t alpha)
{
    return Bytes(size_t(width) * height, alpha);
}

// The line of a handler that appends its text to the LOG string.
inline std::string logs(const std::string& text)
{
    return "{LOG^ADD(\"" + text + "|\");}";
}

class MediaScene : public apptest::GameHost {
protected:
    // A still picture in the data folder standing at (x, y).
    void writePicture(const std::string& file, int width, int height, uint16_t pixel, int alpha = -1, int x = 0, int y = 0)
    {
        graphicstest::StillImage picture(width, height, filledColour(width, height, pixel),
                                         alpha >= 0 ? filledAlpha(width, height, uint8_t(alpha)) : Bytes());
        picture.x = x;
        picture.y = y;
        Bytes bytes = picture.pik();
        writeFile(gameFolder + "Dane/" + file, std::string(bytes.begin(), bytes.end()));
    }
    void writeAnimation(const std::string& file, const graphicstest::AnimationFile& animation)
    {
        Bytes bytes = animation.bytes();
        writeFile(gameFolder + "Dane/" + file, std::string(bytes.begin(), bytes.end()));
    }

    // The scene with a LOG string before the given objects.
    bool startWith(const std::string& objects) { return startScene(declared("LOG", "STRING") + objects); }

    CMC_Image* image(const std::string& name) { return dynamic_cast<CMC_Image*>(object(name)); }
    CMC_Animo* animo(const std::string& name) { return dynamic_cast<CMC_Animo*>(object(name)); }
    std::string log() { return value("LOG"); }
    void clearLog() { run("LOG^SET(\"\")"); }

    // The pointer as the window receives it.
    void moveTo(int x, int y) { window()->OnMouseMove(CXPoint(x, y), 0); }
    void press(int x, int y, int button = 0)
    {
        CXPoint at(x, y);
        if (button == 0)
            window()->OnLButtonDown(at, 0);
        else if (button == 1)
            window()->OnMButtonDown(at, 0);
        else
            window()->OnRButtonDown(at, 0);
    }
    void release(int x, int y, int button = 0)
    {
        CXPoint at(x, y);
        if (button == 0)
            window()->OnLButtonUp(at, 0);
        else if (button == 1)
            window()->OnMButtonUp(at, 0);
        else
            window()->OnRButtonUp(at, 0);
    }
};

} // namespace objectstest
