#include "objects/CFilterEffect.h"

#include "foundation/CXTimer.h"
#include "objects/CFadeInEffect.h"
#include "objects/CFadeInOutEffect.h"
#include "objects/CFadeOutEffect.h"
#include "objects/CFilterObserver.h"
#include "objects/CPathEffect.h"
#include "objects/CWaterEffect.h"
#include "objects/CWavingEffect.h"
#include "script/CWindowServices.h"

std::unique_ptr<CFilterEffect> CFilterEffect::make(const CXString& action, CWindow* window, CMC_ObjectsContainer* container)
{
    std::unique_ptr<CFilterEffect> effect;
    if (action == "FADEIN")
        effect.reset(new CFadeInEffect(window));
    else if (action == "FADEOUT")
        effect.reset(new CFadeOutEffect(window));
    else if (action == "FADEINOUT")
        effect.reset(new CFadeInOutEffect(window));
    else if (action == "PATH")
        effect.reset(new CPathEffect(window, container));
    else if (action == "WATER")
        effect.reset(new CWaterEffect(window));
    else if (action == "WAVING")
        effect.reset(new CWavingEffect(window));
    if (effect != nullptr)
        effect->addToTimer();
    return effect;
}

CFilterEffect::CFilterEffect(CWindow* window) : CLinkedEffect(window)
{
}

CFilterEffect::~CFilterEffect()
{
    CXTimer* timers = CWindowServices::timersOf(getWindow());
    if (hasTimer_ && timers != nullptr)
        timers->remove(timerId_);
}

void CFilterEffect::addToTimer()
{
    CXTimer* timers = CWindowServices::timersOf(getWindow());
    if (timers == nullptr)
        return;
    // Our own address does not fit the list's int ids: the list hands out one of its own.
    timerId_ = timers->newId();
    timers->add(timerId_, 1, static_cast<CTimerNotificator*>(this));
    hasTimer_ = true;
}

void CFilterEffect::addObserver(CFilterObserver* observer)
{
    observers_.push_back(observer);
}

std::shared_ptr<CEffectLink> CFilterEffect::createLink(const CEffectLink::Target& target)
{
    return std::make_shared<CFilterLink>(target, createState(target.graphics));
}

std::shared_ptr<CFilterLink> CFilterEffect::filterLink(CGraphicsObject* graphics)
{
    dropDeadLinks();
    return std::static_pointer_cast<CFilterLink>(findLink(graphics));
}

bool CFilterEffect::isRunning(CGraphicsObject* graphics)
{
    std::shared_ptr<CFilterLink> link = filterLink(graphics);
    return link != nullptr && link->isRunning();
}

void CFilterEffect::start(CGraphicsObject* graphics)
{
    std::shared_ptr<CFilterLink> link = filterLink(graphics);
    if (link == nullptr || link->isRunning() || !tell(Event::Started, *link))
        return;
    // A handler may have unlinked the picture or started it itself meanwhile.
    CGraphicsObject* picture = link->live();
    if (picture == nullptr || !isListed(link.get()) || link->isRunning())
        return;
    prepare(*link, picture);
    link->setRunning(true);
}

void CFilterEffect::stop(CGraphicsObject* graphics)
{
    std::shared_ptr<CFilterLink> link = filterLink(graphics);
    if (link != nullptr && link->isRunning())
        stopLink(*link);
}

void CFilterEffect::stopLink(CFilterLink& link)
{
    link.setRunning(false);
    tell(Event::Stopped, link);
}

void CFilterEffect::onTimer(int)
{
    std::weak_ptr<int> alive = alive_;
    dropDeadLinks();
    for (const std::shared_ptr<CEffectLink>& held : snapshot()) {
        if (alive.expired())
            return;
        auto& link = static_cast<CFilterLink&>(*held);
        CGraphicsObject* picture = link.isRunning() && isListed(&link) ? link.live() : nullptr;
        if (picture == nullptr)
            continue;
        link.countStep();
        if (step(link, picture))
            stopLink(link);
        else
            tell(Event::Stepped, link);
    }
}

bool CFilterEffect::tell(Event event, CFilterLink& link)
{
    std::weak_ptr<int> alive = alive_;
    for (CFilterObserver* observer : std::vector<CFilterObserver*>(observers_)) {
        if (event == Event::Started)
            observer->onEffectStarted(link, *this);
        else if (event == Event::Stepped)
            observer->onEffectStepped(link, *this);
        else
            observer->onEffectStopped(link, *this);
        if (alive.expired())
            return false;
    }
    return true;
}
