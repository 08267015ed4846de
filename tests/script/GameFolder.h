#pragma once

#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/TempFolder.h"

#include <string>

// A temp folder that the engine reaches as drive T:, for tests that write game files (stored
// objects, INI files, copies). Installed for the object's lifetime.
class GameFolder {
public:
    GameFolder()
    {
        drives_.set('T', temp.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives_);
    }
    ~GameFolder() { platform::setDrives(nullptr); }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // The game path of a file in the folder ("a.ini" gives "T:\a.ini").
    static std::string gamePath(const std::string& relative) { return "T:\\" + relative; }

    TempFolder temp;

private:
    platform::DriveMap drives_;
};
