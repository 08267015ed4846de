#pragma once

#include "foundation/CXString.h"

#include <cstddef>
#include <string_view>

// Names of files that outside data (a package, a peer) asks the engine to write or read below a
// folder of its own.
namespace foundation {

// A name that stays below the folder it is appended to: at most maxLength bytes, relative, no
// drive, no "..", none of the characters the path rules expand ('?', a leading '$' or '&') or
// match ('*'), no zero byte, and a file name at the end.
bool isNameBelowFolder(std::string_view name, size_t maxLength);
bool isNameBelowFolder(const CXString& name, size_t maxLength);

// Creates the folders of path up to its last separator, each one below the one before; relative
// paths start at the current folder, which does not change.
void makeFoldersOf(const CXString& path);

} // namespace foundation
