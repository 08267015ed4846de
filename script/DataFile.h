#pragma once

#include <functional>

class CWindow;
class CXArchive;
class CXString;

namespace script {

// The files of ARRAY and MULTIARRAY objects: a game file opened through CFile with the window
// ("w+b" for writing, "rb" for reading) and a binary stream on it, closed afterwards. False, and
// nothing run, when the file does not open.
bool writeDataFile(CWindow* window, const CXString& name, const std::function<void(CXArchive*)>& write);
bool readDataFile(CWindow* window, const CXString& name, const std::function<void(CXArchive*)>& read);

} // namespace script
