#pragma once

// Ways through the demo game, as clicks and keys at pumps of the player's main loop (a pump is
// about a millisecond of play). The first act: the title, the meadow, the pond and the sky, then
// back to the title once the night's music has looped. The second act: from the title to the
// studio's letters, garden and easel, and back. The tests check what they do; the benchmark
// measures the first.

#include "DemoSession.h"

#include <vector>

namespace demotest {

// Where things stand on the screen.
constexpr Click kSun{0, 690, 118};
constexpr Click kPlayButton{0, 400, 332};
constexpr Click kNextButton{0, 690, 550};
constexpr Click kAgainButton{0, 686, 550};
constexpr Click kFlowers[] = {{0, 170, 314}, {0, 330, 374}, {0, 600, 334}};
constexpr Click kFrog{0, 300, 440};
constexpr Click kStars[] = {{0, 170, 230}, {0, 285, 150}, {0, 400, 240}, {0, 515, 150}, {0, 630, 230}};

// The pumps the way takes.
constexpr int kDemoPumps = 30000;

inline Click at(int pump, Click where)
{
    return {pump, where.x, where.y};
}

inline std::vector<Click> demoClicks()
{
    return {
        // The title: the sun winks; PLAY.
        at(800, kSun), at(2000, kPlayButton),
        // The meadow: the buds in the order 3, 1, 2, the first one twice; then NEXT.
        at(2600, kFlowers[2]), at(3100, kFlowers[0]), at(3200, kFlowers[0]), at(3600, kFlowers[1]), at(5000, kNextButton),
        // The pond: five leaps, and a click while the frog is in the air; then NEXT.
        at(5600, kFrog), at(7100, kFrog), at(8600, kFrog), at(10100, kFrog), at(10300, kFrog), at(11600, kFrog), at(13000, kNextButton),
        // The sky: the stars 2, 5, 1, 4, 3, the last one twice; after the music has looped, AGAIN.
        at(13600, kStars[1]), at(14200, kStars[4]), at(14800, kStars[0]), at(15400, kStars[3]), at(16000, kStars[2]),
        at(16100, kStars[2]), at(29000, kAgainButton),
    };
}

// The second act's places.
constexpr Click kStudioButton{0, 400, 412};
constexpr Click kNameBox{0, 480, 335};
constexpr Click kOwl{0, 622, 220};
constexpr Click kPots[] = {{0, 70, 490}, {0, 160, 490}, {0, 250, 490}};
constexpr Click kSignButton{0, 496, 550};
// The board's cells, row by row.
constexpr Click kStickers[] = {{0, 668, 140}, {0, 740, 140}, {0, 668, 212}, {0, 740, 212}, {0, 668, 284}, {0, 740, 284}};
constexpr Click kCanvas{0, 400, 246};

constexpr int kStudioPumps = 12000;

inline Click offset(Click where, int dx, int dy)
{
    return {where.pump, where.x + dx, where.y + dy};
}

inline std::vector<Click> studioClicks()
{
    return {
        at(800, kStudioButton),
        // The letters: three words clicked, one of them twice, and a click beside the poem; the
        // name field; NEXT.
        at(1600, {0, 200, 84}), at(1700, {0, 330, 84}), at(1800, {0, 250, 160}), at(1900, {0, 250, 160}), at(2000, {0, 700, 100}),
        at(2300, kNameBox), at(3500, kNextButton),
        // The garden: the owl clicked while it talks; NEXT.
        at(5600, kOwl), at(8000, kNextButton),
        // The easel: dabs in the first paint, then in the third; the star and the leaf of the board
        // put on the canvas; SIGN twice; AGAIN.
        at(8600, offset(kCanvas, -120, -60)), at(8700, offset(kCanvas, -80, -40)), at(8800, kPots[2]), at(8900, offset(kCanvas, 60, 20)),
        at(9000, offset(kCanvas, 100, 60)), at(9050, kStickers[0]), at(9100, offset(kCanvas, -100, 80)), at(9150, kStickers[3]),
        at(9200, offset(kCanvas, 140, -80)), at(9300, kSignButton), at(9400, kSignButton), at(10500, kAgainButton),
    };
}

inline std::vector<Key> studioKeys()
{
    namespace k = platform::key;
    return {
        // The name "Jaś", and Enter.
        {2400, k::J, Key::SHIFT}, {2500, k::A}, {2600, k::S, Key::ALT}, {2700, k::Return},
        // The hedgehog: right four times, up, left; Space makes the owl talk.
        {4000, k::Right}, {4100, k::Right}, {4200, k::Right}, {4300, k::Right}, {4400, k::Up}, {4500, k::Left}, {5000, k::Space},
    };
}

} // namespace demotest
