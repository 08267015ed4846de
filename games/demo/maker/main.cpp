// The demo's maker: paints the pictures and animations and composes the sounds of the demo game
// into the game folder named by its one argument.
#include "DemoFolder.h"
#include "DemoSounds.h"
#include "LetterFont.h"
#include "MeadowArt.h"
#include "PondArt.h"
#include "SkyArt.h"
#include "StudioArt.h"
#include "TitleArt.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <game folder>\n", argv[0]);
        return 2;
    }
    DemoFolder folder(argv[1]);
    TitleArt::make(folder);
    MeadowArt::make(folder);
    PondArt::make(folder);
    SkyArt::make(folder);
    StudioArt::make(folder);
    LetterFont::make(folder);
    DemoSounds::make(folder);
    return folder.failures() == 0 ? 0 : 1;
}
