#include "objects/CLinkedEffect.h"

#include "objects/CFilterParams.h"

#include <algorithm>

void CLinkedEffect::link(const CEffectLink::Target& target)
{
    if (target.graphics == nullptr || target.object == nullptr)
        return;
    dropDeadLinks();
    bool linked = findLink(target.graphics) != nullptr;
    bool oneAtTime = params().isOneAtTime();
    if (oneAtTime)
        removeAllLinks();
    if (linked && !oneAtTime)
        return;
    addLink(createLink(target));
}

void CLinkedEffect::unlink(CGraphicsObject* graphics)
{
    dropDeadLinks();
    if (std::shared_ptr<CEffectLink> link = findLink(graphics))
        removeLink(link);
}

void CLinkedEffect::removeAllLinks()
{
    dropDeadLinks();
    for (const std::shared_ptr<CEffectLink>& link : snapshot()) {
        if (isListed(link.get()))
            removeLink(link);
    }
}

void CLinkedEffect::addLink(const std::shared_ptr<CEffectLink>& link)
{
    links_.push_back(link);
}

void CLinkedEffect::removeLink(const std::shared_ptr<CEffectLink>& link)
{
    erase(link.get());
}

void CLinkedEffect::dropDeadLinks()
{
    for (const std::shared_ptr<CEffectLink>& link : snapshot()) {
        if (link->live() == nullptr) {
            erase(link.get());
            forgetLink(*link);
        }
    }
}

std::shared_ptr<CEffectLink> CLinkedEffect::findLink(CGraphicsObject* graphics) const
{
    auto found = std::find_if(links_.begin(), links_.end(), [graphics](const auto& link) { return link->getGraphics() == graphics; });
    return found != links_.end() ? *found : nullptr;
}

bool CLinkedEffect::isListed(const CEffectLink* link) const
{
    return std::any_of(links_.begin(), links_.end(), [link](const auto& listed) { return listed.get() == link; });
}

void CLinkedEffect::erase(const CEffectLink* link)
{
    std::erase_if(links_, [link](const auto& listed) { return listed.get() == link; });
}
