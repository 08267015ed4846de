#pragma once

#include <string>

namespace platform {

// Tells the first running copy of a program from later ones: the first holds an exclusive lock
// on the file "<name>.lock" in the lock folder while it lives; a later copy finds the lock taken.
// The system releases the lock when a copy ends, however it ends. The folder is the user's config
// folder unless one was set (tests set their own, so parallel runs never see each other).
class SingleInstance {
public:
    explicit SingleInstance(const std::string& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another copy holds the lock. A folder that cannot hold the lock file counts as
    // no other copy: a program never refuses to start for that.
    bool isFirst() const { return first_; }

    // The folder the lock files go in; empty restores the user's config folder.
    static void setFolder(const std::string& folder);
    static std::string folder();

private:
    int fd_ = -1;
    bool first_ = true;
};

} // namespace platform
