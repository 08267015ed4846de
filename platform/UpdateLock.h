#pragma once

#include <string>

namespace platform {

// Serialises the read-modify-write updates of the files in one folder between threads and
// processes (the player, the updater and a second game may edit one registry or INI file): an
// advisory exclusive flock on the folder itself, which the atomic temp+rename of the file leaves in
// place, held from construction to destruction. Readers need none: they see the old or the new file.
// A folder that does not open is not locked; the write then fails on its own.
class UpdateLock {
public:
    explicit UpdateLock(const std::string& folder);
    ~UpdateLock();
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace platform
