#pragma once

#include "graphics/CKeyboardMap.h"

// The Central European layout: Y and Z change places, and only letters are typed.
class CQwertzKeyboardMap final : public CKeyboardMap {
protected:
    int translate(int ch, bool alt, bool shift) const override;
    bool accepts(int ch) const override;
};
