#include "player/PlayerMain.h"

#include "player/CPlayer.h"
#include "platform/Cp1250.h"
#include "platform/Platform.h"

namespace {

// The words joined by blanks, in the engine's code page.
CXString commandLineText(const std::vector<std::string>& arguments)
{
    std::string text;
    for (const std::string& argument : arguments) {
        std::string word;
        platform::Cp1250::fromUtf8(argument, word);
        if (!text.empty())
            text += ' ';
        text += word;
    }
    return text.c_str();
}

} // namespace

int playerMain(const std::vector<std::string>& arguments, platform::Platform& platform)
{
    platform.install();
    int exitCode;
    {
        CPlayer player(commandLineText(arguments));
        exitCode = player.run();
    }
    platform.uninstall();
    return exitCode;
}
