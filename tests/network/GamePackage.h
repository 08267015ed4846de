#pragma once

// The package of a web game as its maker packs it: the game's files below a folder named after
// the game, written by CSelfExtract into "<game>.pik", returned as bytes.

#include "foundation/CSelfExtract.h"
#include "platform/Files.h"
#include "platform/TempFolder.h"

#include <string>
#include <utility>
#include <vector>

namespace webtest {

using GameFiles = std::vector<std::pair<std::string, std::string>>;

// Files named with "/" below the game's folder.
inline std::string packageOf(const std::string& game, const GameFiles& files)
{
    TempFolder scratch;
    for (const auto& [name, bytes] : files)
        scratch.write(game + "/" + name, bytes);
    const std::string previous = platform::files().currentFolder();
    platform::files().setCurrentFolder(scratch.path());
    CSelfExtract packer;
    packer.AddDirectory(game.c_str());
    const bool written = packer.CreateArchive("", (game + ".pik").c_str());
    platform::files().setCurrentFolder(previous);
    return written ? scratch.read(game + ".pik") : std::string();
}

} // namespace webtest
