#pragma once

class DemoFolder;

// The second act, an evening in the studio: a sheet of paper to write on (LETTERS), a garden with
// a hedgehog and a talking owl (GARDEN), an easel with paint pots (EASEL), and the title's button
// that leads there.
class StudioArt {
public:
    static void make(DemoFolder& folder);

private:
    static void letters(DemoFolder& folder);
    static void garden(DemoFolder& folder);
    // The hedgehog walking either way.
    static void hedgehog(DemoFolder& folder);
    // The owl idling, opening its beak, talking and closing it.
    static void owl(DemoFolder& folder);
    static void easel(DemoFolder& folder);
    // Three pots of paint, a dab of each paint, the ring round the pot chosen and the board's
    // stickers.
    static void paints(DemoFolder& folder);
};
