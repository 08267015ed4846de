#include "plugins/world/CWorldLink.h"

CWorldLink::CWorldLink(uint32_t body, CGraphicsObject* graphics, CMC_Object* object, int flags)
    : graphics_(graphics), body_(body), flags_(flags), object_(object)
{
}
