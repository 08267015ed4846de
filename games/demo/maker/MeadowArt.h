#pragma once

class DemoFolder;

// The meadow: three buds that bloom when clicked, a butterfly that comes when all have bloomed,
// and the button on to the night.
class MeadowArt {
public:
    static void make(DemoFolder& folder);

private:
    static void background(DemoFolder& folder);
    // A flower on its stem: swaying as a bud, opening, swaying in bloom.
    static void flower(DemoFolder& folder, int number, float baseX, float baseY, unsigned petals, unsigned heart);
    static void butterfly(DemoFolder& folder);
};
