#pragma once

#include "platform/Drives.h"

#include <string>
#include <string_view>

namespace platform {

// Turns the Windows paths of games into native paths and back. A game path is code page 1250 text
// with "\" or "/" between components, in any letter case: "Dane\APPLICATION.def",
// "C:\Games\X\Wavs\a.wav", "/home/anna/game". On disk, names are UTF-8 and may differ in case, so
// each component is looked up case-insensitively in its folder; when a name differs only in case
// from several on disk, the exact spelling wins, else the first in byte order.
class PathResolver {
public:
    explicit PathResolver(const Drives& drives);

    // The native UTF-8 path. "X:" paths start at the drive's folder, a leading separator at "/",
    // anything else at the current folder (the result is then relative). From the first component
    // that does not exist on, the rest is kept as written (converted to UTF-8), so a file about to
    // be created lands in the existing folders. "." and ".." pass unchanged; empty components
    // (doubled separators) are skipped. Empty for an unknown drive, an empty path or a path with a
    // NUL byte.
    std::string toNative(std::string_view gamePath) const;

    // The game form of a native path: the drive letter whose folder holds it most closely followed
    // by the rest with "\" separators ("C:\home\anna"), in code page 1250; the path itself (in code
    // page 1250) when no drive holds it.
    std::string toGame(std::string_view nativePath) const;

    static bool isSeparator(char c) { return c == '\\' || c == '/'; }

private:
    const Drives& drives_;
};

} // namespace platform
