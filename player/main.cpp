#include "platform/SdlPlatform.h"
#include "player/PlayerMain.h"

int main(int argc, char** argv)
{
    platform::SdlPlatform platform;
    return playerMain(std::vector<std::string>(argv + 1, argv + argc), platform);
}
