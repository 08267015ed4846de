#pragma once

#include <span>

namespace platform {

// Which engine key code (KeyCodes.h) each SDL scan code stands for. SDL's scan codes are the USB
// keyboard usages, so the table holds plain numbers on both sides.
class SdlKeyTable {
public:
    struct Row {
        int scancode;
        int key;
    };

    static std::span<const Row> rows();
    // 0 for a scan code the engine has no key for.
    static int keyOf(int scancode);
};

} // namespace platform
