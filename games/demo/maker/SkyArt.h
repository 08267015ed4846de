#pragma once

class DemoFolder;

// The starry sky: five stars that light up when clicked, each with its own note; lit together
// they draw their figure and a comet crosses the sky. A shooting star falls whenever the music
// starts over, and a button leads back to the title.
class SkyArt {
public:
    static void make(DemoFolder& folder);

private:
    static void background(DemoFolder& folder);
    // The lines between the five stars, shown once all of them shine.
    static void figure(DemoFolder& folder);
    static void star(DemoFolder& folder, int number, int x, int y);
    static void comet(DemoFolder& folder);
    static void meteor(DemoFolder& folder);
};
