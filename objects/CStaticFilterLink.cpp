#include "objects/CStaticFilterLink.h"

#include "graphics/CAnimo.h"

CStaticFilterLink::CStaticFilterLink(const Target& target, CAnimo* animation)
    : CEffectLink(target), animation_(animation), isAnimation_(animation != nullptr)
{
}

CStaticFilterLink::Slot* CStaticFilterLink::slot(int index)
{
    return index >= 0 && size_t(index) < slots_.size() ? &slots_[size_t(index)] : nullptr;
}
