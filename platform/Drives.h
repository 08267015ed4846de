#pragma once

#include <string>
#include <vector>

namespace platform {

enum class DriveType { None, Fixed, CdRom };

struct Drive {
    char letter = 0; // upper case
    DriveType type = DriveType::None;
    std::string folder; // native UTF-8 path, no trailing slash except for "/"
};

// The drive letters that Windows paths of games may name, each standing for a native folder.
class Drives {
public:
    virtual ~Drives() = default;

    // Every drive, by letter.
    virtual std::vector<Drive> list() const = 0;
    // The folder of a letter (either case), empty when there is no such drive.
    virtual std::string folderOf(char letter) const = 0;
    virtual DriveType typeOf(char letter) const = 0;
};

// The drives of the process: the user's drive map and optical mounts unless a test installed others.
Drives& drives();
// Installs drives for the whole process (tests); null restores the system's.
void setDrives(Drives* replacement);

} // namespace platform
