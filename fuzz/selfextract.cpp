// The package reader on hostile packages: the input is written as a package file, its table of
// contents read and every entry extracted into a scratch folder. Whatever the package says,
// nothing may be written outside that folder.
#include "foundation/CSelfExtract.h"
#include "fuzz/ScratchDrive.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// C: holds the package and the target folder "out".
struct Scratch : ScratchDrive {
    // Nothing but the package and what lies below "out".
    bool onlyExpectedEntries() const
    {
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            std::string name = entry.path().filename().string();
            if (name != "pkg.sfx" && name != "out")
                return false;
        }
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Scratch scratch;
    std::ofstream(scratch.folder / "pkg.sfx", std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    CSelfExtract package("C:\\pkg.sfx");
    if (package.ReadTOC())
        package.ExtractFiles("C:\\out");
    if (!scratch.onlyExpectedEntries())
        std::abort();
    std::error_code ignored;
    fs::remove_all(scratch.folder / "out", ignored);
    return 0;
}
