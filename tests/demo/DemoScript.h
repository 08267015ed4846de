#pragma once

// One way through the demo game, as clicks at pumps of the player's main loop (a pump is about a
// millisecond of play): the title, the meadow, the pond and the sky, then back to the title once
// the night's music has looped. The test checks what it does; the benchmark measures it.

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

} // namespace demotest
