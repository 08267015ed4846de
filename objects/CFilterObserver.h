#pragma once

class CFilterEffect;
class CFilterLink;

// Told by a FILTER's effect about a link: when it starts, after each step that did not finish it,
// and when it stops (by a script or because the effect finished). What an observer does may end
// the link or the effect itself.
class CFilterObserver {
public:
    virtual ~CFilterObserver() = default;
    virtual void onEffectStarted(CFilterLink& link, CFilterEffect& effect) = 0;
    virtual void onEffectStepped(CFilterLink& link, CFilterEffect& effect) = 0;
    virtual void onEffectStopped(CFilterLink& link, CFilterEffect& effect) = 0;
};
