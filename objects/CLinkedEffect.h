#pragma once

#include "objects/CEffectLink.h"

#include <memory>
#include <vector>

class CFilterParams;
class CWindow;

// What the FILTER and STATICFILTER effects share: the pictures linked to them, in link order, one
// link a picture, and the parameter record their scripts set.
//
// Links whose picture is no longer its object's (see CEffectLink) are dropped at every entry point
// without touching the picture. Links are shared pointers so that a link removed while its effect
// still works on it (a script handler unlinked it) stays valid until the work is done.
class CLinkedEffect {
public:
    explicit CLinkedEffect(CWindow* window) : window_(window) {}
    // Drops the records; undoing is the owner's business before that.
    virtual ~CLinkedEffect() = default;
    CLinkedEffect(const CLinkedEffect&) = delete;
    CLinkedEffect& operator=(const CLinkedEffect&) = delete;

    virtual CFilterParams& params() = 0;

    // Links the target's picture. With ONEATTIME every link goes first and the picture gets a new
    // one; without it a picture linked already keeps its link. Nothing for a target without one.
    void link(const CEffectLink::Target& target);
    void unlink(CGraphicsObject* graphics);
    void removeAllLinks();
    int getLinkCount() const { return static_cast<int>(links_.size()); }

protected:
    // The effect's record of a new link.
    virtual std::shared_ptr<CEffectLink> createLink(const CEffectLink::Target& target) = 0;
    // The new record joins the list.
    virtual void addLink(const std::shared_ptr<CEffectLink>& link);
    // The record leaves the list; its picture is live or the link would have been dropped.
    virtual void removeLink(const std::shared_ptr<CEffectLink>& link);
    // A record leaves the list with its picture gone.
    virtual void forgetLink(CEffectLink& link) {}

    void dropDeadLinks();
    // The link of the picture; null when it has none.
    std::shared_ptr<CEffectLink> findLink(CGraphicsObject* graphics) const;
    bool isListed(const CEffectLink* link) const;
    // A copy of the list, to be walked while handlers may change it.
    std::vector<std::shared_ptr<CEffectLink>> snapshot() const { return links_; }
    CWindow* getWindow() const { return window_; }

private:
    void erase(const CEffectLink* link);

    CWindow* window_;
    std::vector<std::shared_ptr<CEffectLink>> links_;
};
