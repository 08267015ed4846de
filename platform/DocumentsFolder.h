#pragma once

#include <string>
#include <string_view>

namespace platform {

// The user's documents folder, as the desktop names it: XDG_DOCUMENTS_DIR of "user-dirs.dirs" in
// the user's settings base (ConfigFolder::configHome), else ~/Documents. A native UTF-8 path
// without a trailing slash; it is not created here.
class DocumentsFolder {
public:
    static std::string path();
    // The folder a user-dirs text names, "$HOME/..." resolved against home, or an absolute one;
    // empty when the text names none.
    static std::string fromUserDirs(std::string_view text, const std::string& home);
};

} // namespace platform
