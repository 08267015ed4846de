#pragma once

#include "platform/Drives.h"

#include <array>
#include <mutex>
#include <string_view>

namespace platform {

// A settable table of drive letters. The system's table comes from the drive map file in the
// user's config folder (ConfigFolder), "drives.conf":
//
//     # comment
//     C: fixed /home/anna
//     D: cd /media/anna/GAME CD
//
// one drive per line: the letter and a colon, the type ("fixed" or "cd"), and the absolute folder,
// which runs to the end of the line and may hold blanks. Blank lines, comments and lines that do
// not parse are skipped. Without that file the table is C: -> "/", so the engine's Windows paths
// reach the whole file system. Optical discs mounted on the machine (iso9660 or udf in
// /proc/self/mountinfo) are added as CD drives: a mount whose folder a letter already names turns
// that letter into a CD drive, any other takes the first free letter from D: on.
class DriveMap final : public Drives {
public:
    DriveMap() = default;
    DriveMap(const DriveMap& other);
    DriveMap& operator=(const DriveMap& other);

    std::vector<Drive> list() const override;
    std::string folderOf(char letter) const override;
    DriveType typeOf(char letter) const override;

    // False for a letter outside A-Z or a folder that is not absolute.
    bool set(char letter, const std::string& folder, DriveType type);
    void remove(char letter);
    void clear();

    // Adds the drives of a drive map file's text.
    void readConfig(std::string_view text);
    // Adds the optical mounts of a mountinfo text.
    void addOpticalMounts(std::string_view mountinfo);
    // Replaces the table with the user's drive map (or the default) plus the optical mounts.
    void loadSystem();

private:
    static int indexOf(char letter);
    // A mount's folder becomes a CD drive: its letter's, else the first free one from D: on.
    void markOpticalMount(const std::string& folder);
    std::array<Drive, 26> drives_{};
    mutable std::mutex mutex_;
};

} // namespace platform
