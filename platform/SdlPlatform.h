#pragma once

#include "platform/Platform.h"

namespace platform {

// SDL and the system: the services every slot holds by default. SDL is shut down at the end.
class SdlPlatform final : public Platform {
public:
    void install() override;
    void uninstall() override;
};

} // namespace platform
