#pragma once

class DemoFolder;

// The pond at night: a frog on a lily pad that leaps when clicked, each leap waking one of five
// fireflies; then the button on to the stars.
class PondArt {
public:
    static void make(DemoFolder& folder);

private:
    static void background(DemoFolder& folder);
    static void frog(DemoFolder& folder);
    // Rings spreading on the water where the frog lands.
    static void ripples(DemoFolder& folder);
    static void firefly(DemoFolder& folder, int number, int x, int y);
};
