#pragma once

#include <string>

namespace platform {

// A shared library loaded at run time (plug-ins, outside codecs). The path is a game path
// (Files); a bare name is looked for in the current folder, as Windows looks there first. All
// symbols are bound at load, so a library with unresolved symbols fails to load instead of
// failing later. Unloaded when the object goes.
class SharedLibrary {
public:
    SharedLibrary() = default;
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;

    // Unloads what was loaded before; false when the library does not load (see lastError()).
    bool load(const std::string& path);
    // The address of an exported symbol (a mangled name for C++ functions); null when missing.
    void* symbol(const std::string& name) const;
    void unload();
    bool isLoaded() const { return handle_ != nullptr; }
    // The loader's message for the last failure of load().
    const std::string& lastError() const { return lastError_; }

    // Whether the library at the path is in the process now, whoever loaded it; asking loads
    // nothing.
    static bool isResident(const std::string& path);

private:
    void* handle_ = nullptr;
    std::string lastError_;
};

} // namespace platform
