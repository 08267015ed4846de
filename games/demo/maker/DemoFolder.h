#pragma once

#include <string>
#include <vector>

class Animation;
class Raster;

// The game folder the demo's pictures, animations and sounds are written into: pictures and
// animations go to its data folder "Dane", sounds to "Wavs". Every write that fails is counted.
class DemoFolder {
public:
    // Makes the folder the current one and the two folders in it when they are missing.
    explicit DemoFolder(const std::string& root);

    void picture(const std::string& name, const Raster& raster, int x = 0, int y = 0);
    void animation(const std::string& name, const Animation& animation);
    // The letters' animation "<name>.ann" and the font "<name>.fnt" the engine makes of it.
    void font(const std::string& name, const Animation& letters);
    void sound(const std::string& name, const std::vector<float>& samples, int rate);

    int failures() const { return failures_; }

private:
    void count(bool written, const std::string& name);

    int failures_ = 0;
};
