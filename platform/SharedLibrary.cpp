#include "platform/SharedLibrary.h"

#include "platform/Files.h"

#include <dlfcn.h>
#include <utility>

namespace platform {

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
    std::string native = files().nativePath(path);
    if (native.empty()) {
        lastError_ = "no such path: " + path;
        return false;
    }
    // dlopen searches the library path for names without a slash; a game means the current folder.
    if (native.find('/') == std::string::npos)
        native = "./" + native;
    handle_ = ::dlopen(native.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* message = ::dlerror();
        lastError_ = message ? message : "cannot load " + native;
        return false;
    }
    lastError_.clear();
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
