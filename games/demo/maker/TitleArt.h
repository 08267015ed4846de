#pragma once

class DemoFolder;

// The title scene: a summer landscape under the game's name, a sun that winks when clicked, the
// PLAY button and the counter of visits.
class TitleArt {
public:
    static void make(DemoFolder& folder);

private:
    static void background(DemoFolder& folder);
    // The name in golden letters, and the frames of a gleam sweeping over them.
    static void logo(DemoFolder& folder);
    static void sun(DemoFolder& folder);
};
