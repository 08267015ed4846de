#pragma once

#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "tests/platform/TempFolder.h"

// C: is a fresh folder for the files a fuzz target writes and the engine then opens by game path.
struct ScratchDrive {
    ScratchDrive()
    {
        drives.set('C', folder.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives);
    }
    ~ScratchDrive() { platform::setDrives(nullptr); }

    TempFolder folder;
    platform::DriveMap drives;
};
