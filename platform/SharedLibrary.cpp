#include "platform/SharedLibrary.h"

#include "platform/Files.h"

#include <dlfcn.h>
#include <utility>

namespace platform {

namespace {

// The file the loader opens for a game path; empty when the path leads nowhere.
std::string loaderPath(const std::string& path)
{
    std::string native = files().nativePath(path);
    // dlopen searches the library path for names without a slash; a game means the current folder.
    if (!native.empty() && native.find('/') == std::string::npos)
        native = "./" + native;
    return native;
}

} // namespace

SharedLibrary::~SharedLibrary()
{
    unload();
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), lastError_(std::move(other.lastError_))
{
}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept
{
    if (this != &other) {
        unload();
        handle_ = std::exchange(other.handle_, nullptr);
        lastError_ = std::move(other.lastError_);
    }
    return *this;
}

bool SharedLibrary::load(const std::string& path)
{
    unload();
    const std::string native = loaderPath(path);
    if (native.empty()) {
        lastError_ = "no such path: " + path;
        return false;
    }
    handle_ = ::dlopen(native.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* message = ::dlerror();
        lastError_ = message ? message : "cannot load " + native;
        return false;
    }
    lastError_.clear();
    return true;
}

bool SharedLibrary::isResident(const std::string& path)
{
    const std::string native = loaderPath(path);
    void* handle = native.empty() ? nullptr : ::dlopen(native.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    // The look-up counted one more user of the library: give it back.
    ::dlclose(handle);
    return true;
}

void* SharedLibrary::symbol(const std::string& name) const
{
    return handle_ ? ::dlsym(handle_, name.c_str()) : nullptr;
}

void SharedLibrary::unload()
{
    if (handle_) {
        ::dlclose(handle_);
        handle_ = nullptr;
    }
}

} // namespace platform
