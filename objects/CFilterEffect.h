#pragma once

#include "foundation/CTimerNotificator.h"
#include "objects/CFilterLink.h"
#include "objects/CLinkedEffect.h"

#include <memory>
#include <vector>

class CFilterObserver;
class CMC_ObjectsContainer;
class CXString;

// The timed effect of a FILTER: a 1 ms software timer of the window steps every running link
// once per engine turn in which the millisecond passed (about a thousand steps a second in the
// player). Links start and stop one by one; each start, step and stop is told to the observers,
// whose handlers may unlink, stop or delete anything, the effect included.
class CFilterEffect : public CLinkedEffect, public CTimerNotificator {
public:
    // The effect an ACTION word names (FADEIN, FADEOUT, FADEINOUT, PATH, WATER, WAVING: exact),
    // stepped by the window's timer; null for another word. PATH finds its PATH object in the
    // container.
    static std::unique_ptr<CFilterEffect> make(const CXString& action, CWindow* window, CMC_ObjectsContainer* container);

    // Leaves the timer.
    ~CFilterEffect() override;

    void addObserver(CFilterObserver* observer);
    // False for a picture that is not linked.
    bool isRunning(CGraphicsObject* graphics);
    // A linked picture that does not run: the observers hear of it, then the link is prepared
    // and runs.
    void start(CGraphicsObject* graphics);
    // A running link stops, then the observers hear of it.
    void stop(CGraphicsObject* graphics);
    // One step of every running link, in link order.
    void onTimer(int id) override;

protected:
    explicit CFilterEffect(CWindow* window);

    // What the effect keeps for a new link of the picture; null for nothing.
    virtual std::unique_ptr<CFilterLink::State> createState(CGraphicsObject* picture) { return nullptr; }
    // The link's picture is about to run (it is live).
    virtual void prepare(CFilterLink& link, CGraphicsObject* picture) {}
    // One step of a running link whose picture is live; true when the effect finished with it.
    virtual bool step(CFilterLink& link, CGraphicsObject* picture) = 0;

    std::shared_ptr<CEffectLink> createLink(const CEffectLink::Target& target) override;

private:
    enum class Event { Started, Stepped, Stopped };

    // The picture's link once the dead ones are dropped.
    std::shared_ptr<CFilterLink> filterLink(CGraphicsObject* graphics);
    void stopLink(CFilterLink& link);
    // Tells every observer; false when one of them deleted the effect.
    bool tell(Event event, CFilterLink& link);
    void addToTimer();

    std::vector<CFilterObserver*> observers_;
    int timerId_ = 0;
    bool hasTimer_ = false;
    // Expires with the effect: what tells a caller that a handler deleted it.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
