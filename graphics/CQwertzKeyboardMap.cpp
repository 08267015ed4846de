#include "graphics/CQwertzKeyboardMap.h"

int CQwertzKeyboardMap::translate(int ch, bool alt, bool shift) const
{
    switch (ch) {
    case 'Y': return 'Z';
    case 'Z': return 'Y';
    case 'y': return 'z';
    case 'z': return 'y';
    default: return ch;
    }
}

bool CQwertzKeyboardMap::accepts(int ch) const
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}
