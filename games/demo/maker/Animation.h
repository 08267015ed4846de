#pragma once

#include <string>
#include <vector>

class Raster;

// An animation being made: frames standing at their places and named events that show them in
// turn. Frames are shared between events by their index.
//
// Frames are cut to the part that shows, so an animation takes no more room than it needs and
// answers the pointer only where it is seen. An animation that scripts place with SETPOSITION
// keeps its frames whole instead: that places every frame's corner at the same point.
class Animation {
public:
    enum class Frames { Cut, Whole };

    explicit Animation(int fps, Frames frames = Frames::Cut) : fps_(fps), cut_(frames == Frames::Cut) {}

    // Appends a frame standing at (x, y); its index.
    int frame(const Raster& picture, int x, int y);
    // An event showing the frames in order, played over and over when it loops; its positions
    // named as given, when names are given.
    void event(const std::string& name, std::vector<int> frames, bool loops, std::vector<std::string> positionNames = {});

    // The animation file at the path (a game path); false when it could not be written.
    bool save(const std::string& path) const;

private:
    struct Event {
        std::string name;
        std::vector<int> frames;
        bool loops;
        std::vector<std::string> positionNames;
    };

    int fps_;
    bool cut_;
    std::vector<Raster> pictures_;
    std::vector<std::pair<int, int>> places_;
    std::vector<Event> events_;
};
